#include "postal_search.h"

#include "postal_dictionary.h"
#include "store/schema.h"

#include <QRegularExpression>

namespace address {

QString withPostalHyphen(const QString &text)
{
    if (!text.contains(u'-') && text.size() > 3)
        return text.left(3) + u'-' + text.mid(3);
    return text;
}

Query postalCodeQuery(const QString &prefix)
{
    // A prefix range instead of LIKE 'prefix%': the same rows for codes, and it uses the index.
    return {QStringLiteral("SELECT * FROM mtyoiki WHERE 郵便番号 >= ? AND 郵便番号 < ?"),
            {prefix, prefix + QString::fromUcs4(U"\U0010FFFF")}};
}

QStringList searchWords(const QString &text)
{
    QString t = text;
    t.replace(QChar(0x3000), u' ');
    return t.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

namespace {
QString likeContains(const QString &word)
{
    QString w = word;
    w.replace(u'\\', QStringLiteral("\\\\"));
    w.replace(u'%', QStringLiteral("\\%"));
    w.replace(u'_', QStringLiteral("\\_"));
    return u'%' + w + u'%';
}

QString ftsPhrase(const QString &word)
{
    QString w = word;
    w.replace(u'"', QStringLiteral("\"\""));
    return u'"' + w + u'"';
}
} // namespace

Query fuzzyAddressQuery(const QStringList &words, bool withTrigramIndex)
{
    Query q;
    QStringList conditions;
    QStringList phrases;
    for (const QString &w : words) {
        // The trigram index needs three characters; fewer would match no row at all.
        if (withTrigramIndex && w.toUcs4().size() >= 3)
            phrases << ftsPhrase(w);
    }
    if (!phrases.isEmpty()) {
        conditions << QStringLiteral("rowid IN (SELECT rowid FROM %1 WHERE %1 MATCH ?)").arg(QLatin1String(kAddressIndexTable));
        q.params << phrases.join(QStringLiteral(" AND "));
    }
    for (const QString &w : words) {
        conditions << QStringLiteral("住所 LIKE ? ESCAPE '\\'");
        q.params << likeContains(w);
    }
    q.sql = QStringLiteral("SELECT * FROM mtyoiki WHERE %1 ").arg(conditions.join(QStringLiteral(" AND ")));
    return q;
}

int longestPrefixMatch(const QStringList &names, const QString &text)
{
    int best = -1;
    qsizetype bestLength = 0;
    for (int i = 0; i < names.size(); ++i) {
        const QString &n = names.at(i);
        if (!n.isEmpty() && n.size() > bestLength && text.startsWith(n)) {
            best = i;
            bestLength = n.size();
        }
    }
    return best;
}

QString resultSql(const QString &prefCode, const QString &cityCode, const QString &townCode, const QString &areaCode)
{
    const QString town = townCode.isEmpty() ? QStringLiteral(" ") : QStringLiteral(" AND 町村code=") + store::quoteText(townCode);
    return QStringLiteral("SELECT * FROM mtyoiki WHERE 県code=%1 AND 市区code=%2 %3 AND 町域code=%4")
        .arg(store::quoteText(prefCode), store::quoteText(cityCode), town, store::quoteText(areaCode));
}

} // namespace address
