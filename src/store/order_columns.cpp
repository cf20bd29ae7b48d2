#include "order_columns.h"

namespace store {

QString yearMonthText(const QDate &date)
{
    return date.isValid() ? date.toString(QStringLiteral("yyyy/MM/dd")).left(7) : QString();
}

QString yearText(const QDate &date)
{
    return date.isValid() ? date.toString(QStringLiteral("yyyy/MM/dd")).left(4) : QString();
}

QString lineKey(const QString &slipNo, int lineNo) { return slipNo + QStringLiteral("%1").arg(lineNo, 2, 10, QChar(u'0')); }

} // namespace store
