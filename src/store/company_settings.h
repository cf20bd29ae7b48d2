#pragma once
// Readers of the one-row company settings table `system`.
#include "database.h"

#include <QString>
#include <QVariant>

namespace store {

// One column of the settings row (invalid when the row or column is missing).
QVariant systemValue(Database &db, const QString &column);
QString systemText(Database &db, const QString &column);
bool systemFlag(Database &db, const QString &column);      // null counts as false
void setSystemValue(Database &db, const QString &column, const QVariant &value);

// Carrier numbers derived from the two-digit prefixes of the choice columns.
int defaultCarrier(Database &db);       // 通常送状, 0 when not a number
int yuPackEdition(Database &db);        // 版数NOゆうパック, 1 when not a number
int pelicanEdition(Database &db);       // 版数NOペリカン便, 2 when not a number
int sagawaEdition(Database &db);        // 版数NO佐川急便, 1 when not a number
// The two-byte prefix of a choice text as a number, or fallback.
int choicePrefix(const QString &text, int fallback);

} // namespace store
