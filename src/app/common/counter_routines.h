#pragma once
// The number counters for screens: slip numbers ("DJUDEN") and customer codes ("MTOKUI")
// from the session's data folder. A missing or unusable counter shows its message in an
// error box; the routine then returns the empty text (or false) and the caller carries on.
// Engine failures are raised to the caller.
#include <QString>

namespace minori {

QString CounterPeek(const QString &name);                         // the number the next take gives
QString CounterTake(const QString &name);                         // takes and stores the next number
QString CounterFormat(const QString &name, const QString &text);  // a typed code written the counter's way
bool CounterReset(const QString &name);                           // back to 0; false when missing

// The code of the take-away customer "お持ち帰り": the customer counter's form of "0".
QString TakeAwayCustomerCode();

} // namespace minori
