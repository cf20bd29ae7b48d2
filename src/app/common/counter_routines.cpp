#include "counter_routines.h"

#include "prompter.h"
#include "store/counters.h"
#include "store/session.h"

namespace minori {

namespace {

template <typename Result, typename Op>
Result guarded(Result failed, Op op)
{
    try {
        store::CounterService counters(store::Session::data());
        return op(counters);
    } catch (const store::CounterError &e) {
        ShowError(e.message());
        return failed;
    }
}

} // namespace

QString CounterPeek(const QString &name)
{
    return guarded(QString(), [&](store::CounterService &c) { return c.peek(name); });
}

QString CounterTake(const QString &name)
{
    return guarded(QString(), [&](store::CounterService &c) { return c.take(name); });
}

QString CounterFormat(const QString &name, const QString &text)
{
    return guarded(QString(), [&](store::CounterService &c) { return c.format(name, text); });
}

bool CounterReset(const QString &name)
{
    return guarded(false, [&](store::CounterService &c) {
        if (c.reset(name))
            return true;
        ShowError(store::CounterService::missingMessage(name));
        return false;
    });
}

QString TakeAwayCustomerCode() { return CounterFormat(QStringLiteral("MTOKUI"), QStringLiteral("0")); }

} // namespace minori
