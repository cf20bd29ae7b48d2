#include "company_settings.h"

#include "schema.h"

namespace store {

QVariant systemValue(Database &db, const QString &column)
{
    Statement st = db.prepare(QStringLiteral("SELECT %1 FROM system").arg(quoteIdent(column)));
    if (st.step())
        return st.value(0);
    return {};
}

QString systemText(Database &db, const QString &column) { return systemValue(db, column).toString(); }

bool systemFlag(Database &db, const QString &column)
{
    const QVariant v = systemValue(db, column);
    return !v.isNull() && v.toLongLong() != 0;
}

void setSystemValue(Database &db, const QString &column, const QVariant &value)
{
    db.exec(QStringLiteral("UPDATE system SET %1 = ?").arg(quoteIdent(column)), {value});
}

int choicePrefix(const QString &text, int fallback)
{
    bool ok = false;
    const int n = text.left(2).trimmed().toInt(&ok);
    return ok ? n : fallback;
}

int defaultCarrier(Database &db) { return choicePrefix(systemText(db, QStringLiteral("通常送状")), 0); }
int yuPackEdition(Database &db) { return choicePrefix(systemText(db, QStringLiteral("版数NOゆうパック")), 1); }
int pelicanEdition(Database &db) { return choicePrefix(systemText(db, QStringLiteral("版数NOペリカン便")), 2); }
int sagawaEdition(Database &db) { return choicePrefix(systemText(db, QStringLiteral("版数NO佐川急便")), 1); }

} // namespace store
