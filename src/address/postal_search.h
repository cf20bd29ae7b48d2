#pragma once
// The searches of the postal dictionary as text and SQL, without widgets: the code search,
// the fuzzy search on words of the whole address, the longest-prefix walk and the SQL that
// re-finds a chosen town area.
#include <QString>
#include <QStringList>
#include <QVariantList>

namespace address {

struct Query {
    QString sql;
    QVariantList params;
};

// "1000001" → "100-0001": a text without "-" longer than three characters gets "-" after
// the third character. Anything else is returned as it is.
QString withPostalHyphen(const QString &text);

// Every town area whose 郵便番号 begins with prefix (through the index on 郵便番号).
Query postalCodeQuery(const QString &prefix);

// Words of a search text: maximal runs of characters other than blanks (full-width blanks
// count as blanks), so leading, trailing and repeated blanks give no empty words.
QStringList searchWords(const QString &text);

// Town areas whose 住所 contains every word. With the trigram index, words of three or more
// characters first narrow the rows through it; shorter words (the trigram index finds
// nothing for them) and every word's own LIKE condition are checked on those rows, so the
// result is the same with or without the index. LIKE wildcards typed by the user are literal.
Query fuzzyAddressQuery(const QStringList &words, bool withTrigramIndex);

// Row of the name that the text begins with, the longest such name winning and the first one
// on equal length; -1 when no name matches. Empty names never match.
int longestPrefixMatch(const QStringList &names, const QString &text);

// The SQL that re-finds a chosen town area (for the caller's own use).
QString resultSql(const QString &prefCode, const QString &cityCode, const QString &townCode, const QString &areaCode);

} // namespace address
