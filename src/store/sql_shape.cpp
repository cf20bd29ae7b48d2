#include "sql_shape.h"

#include <QList>
#include <QSet>

namespace store {
namespace {

struct Tok {
    QString upper;    // upper-cased word or the punctuation itself
    int pos = 0;
    int len = 0;
    int depth = 0;    // parenthesis depth at the token
    bool word = false;
    bool quoted = false;
};

bool isWordChar(QChar c) { return c.isLetterOrNumber() || c == u'_' || c.unicode() >= 0x80 || c == u'$'; }

QList<Tok> tokenize(const QString &s)
{
    QList<Tok> out;
    int depth = 0;
    int i = 0;
    const int n = s.size();
    while (i < n) {
        QChar c = s.at(i);
        if (c.isSpace()) {
            ++i;
            continue;
        }
        if (c == u'-' && i + 1 < n && s.at(i + 1) == u'-') {
            while (i < n && s.at(i) != u'\n')
                ++i;
            continue;
        }
        if (c == u'/' && i + 1 < n && s.at(i + 1) == u'*') {
            int e = s.indexOf(QStringLiteral("*/"), i + 2);
            i = e < 0 ? n : e + 2;
            continue;
        }
        Tok t;
        t.pos = i;
        t.depth = depth;
        if (c == u'\'' || c == u'"' || c == u'`' || c == u'[') {
            const QChar close = c == u'[' ? QChar(u']') : c;
            int j = i + 1;
            while (j < n) {
                if (s.at(j) == close) {
                    if (close != u']' && j + 1 < n && s.at(j + 1) == close) {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            t.len = qMin(j + 1, n) - i;
            t.quoted = true;
            t.word = c != u'\'';     // a quoted identifier counts as a word
            t.upper = s.mid(i + 1, t.len - 2);
            i += t.len;
            out << t;
            continue;
        }
        if (isWordChar(c)) {
            int j = i;
            while (j < n && isWordChar(s.at(j)))
                ++j;
            t.len = j - i;
            t.word = true;
            t.upper = s.mid(i, t.len).toUpper();
            i = j;
            out << t;
            continue;
        }
        t.len = 1;
        t.upper = QString(c);
        if (c == u'(')
            ++depth;
        else if (c == u')') {
            --depth;
            t.depth = depth;
        }
        ++i;
        out << t;
    }
    return out;
}

} // namespace

SqlShape analyseSelect(const QString &sql)
{
    SqlShape shape;
    const QList<Tok> toks = tokenize(sql);
    if (toks.isEmpty() || toks.first().upper != u"SELECT")
        return shape;
    if (toks.size() > 1 && toks.at(1).upper == u"DISTINCT")
        return shape;
    static const QSet<QString> aggregates{QStringLiteral("COUNT"), QStringLiteral("SUM"), QStringLiteral("MAX"),
                                          QStringLiteral("MIN"),   QStringLiteral("AVG"), QStringLiteral("TOTAL"),
                                          QStringLiteral("GROUP_CONCAT")};
    static const QSet<QString> clauseEnd{QStringLiteral("WHERE"),  QStringLiteral("GROUP"),  QStringLiteral("ORDER"),
                                         QStringLiteral("LIMIT"),  QStringLiteral("HAVING"), QStringLiteral("UNION"),
                                         QStringLiteral("EXCEPT"), QStringLiteral("INTERSECT"),
                                         QStringLiteral("WINDOW")};
    static const QSet<QString> notLive{QStringLiteral("GROUP"), QStringLiteral("HAVING"), QStringLiteral("UNION"),
                                       QStringLiteral("EXCEPT"), QStringLiteral("INTERSECT")};
    int from = -1;
    for (int i = 1; i < toks.size(); ++i) {
        const Tok &t = toks.at(i);
        if (t.word && !t.quoted && aggregates.contains(t.upper) && i + 1 < toks.size() && toks.at(i + 1).upper == u"(")
            return shape;
        if (t.upper == u"?")
            return shape;    // parameters in the select list would shift the row-id query's numbering
        if (t.depth == 0 && t.word && !t.quoted && t.upper == u"FROM") {
            from = i;
            break;
        }
    }
    if (from < 0)
        return shape;
    int end = from + 1;
    while (end < toks.size() && !(toks.at(end).depth == 0 && toks.at(end).word && !toks.at(end).quoted &&
                                  clauseEnd.contains(toks.at(end).upper)))
        ++end;
    const int refCount = end - from - 1;
    if (refCount < 1 || refCount > 3)
        return shape;
    for (int i = from + 1; i < end; ++i)
        if (!toks.at(i).word)
            return shape;
    if (refCount == 3 && toks.at(from + 2).upper != u"AS")
        return shape;
    if (refCount == 2 && toks.at(from + 2).upper == u"JOIN")
        return shape;
    for (int i = end; i < toks.size(); ++i) {
        const Tok &t = toks.at(i);
        if (t.depth == 0 && t.word && !t.quoted && (notLive.contains(t.upper) || t.upper == u"JOIN"))
            return shape;
    }
    const Tok &sel = toks.first();
    const Tok &fromTok = toks.at(from);
    const Tok &lastRef = toks.at(end - 1);
    shape.selectList = sql.mid(sel.pos + sel.len, fromTok.pos - sel.pos - sel.len).trimmed();
    shape.tableRef = sql.mid(toks.at(from + 1).pos, lastRef.pos + lastRef.len - toks.at(from + 1).pos);
    shape.table = toks.at(from + 1).quoted ? toks.at(from + 1).upper : sql.mid(toks.at(from + 1).pos, toks.at(from + 1).len);
    shape.rest = end < toks.size() ? sql.mid(toks.at(end).pos).trimmed() : QString();
    if (shape.rest.endsWith(u';'))
        shape.rest.chop(1);
    shape.live = true;
    return shape;
}

} // namespace store
