#pragma once
// Grouping columns cut from a date written "yyyy/mm/dd": 年月 ("yyyy/mm") and 年 ("yyyy"),
// and the same pair for the payment date (入金年月, 入金年).
#include <QDate>
#include <QString>

namespace store {

QString yearMonthText(const QDate &date);   // "2008/04" for 5 April 2008; empty for no date
QString yearText(const QDate &date);        // "2008"; empty for no date
// A line key 伝行No: the slip number followed by the two-digit line number.
QString lineKey(const QString &slipNo, int lineNo);

} // namespace store
