#include "schema.h"

namespace store {

const ColumnDef *TableDef::column(const QString &n) const
{
    for (const ColumnDef &c : columns)
        if (c.name.compare(n, Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

QString quoteIdent(const QString &name)
{
    QString s = name;
    s.replace(u'"', QStringLiteral("\"\""));
    return u'"' + s + u'"';
}

QString quoteText(const QString &text)
{
    QString s = text;
    s.replace(u'\'', QStringLiteral("''"));
    return u'\'' + s + u'\'';
}

QString declaredType(const ColumnDef &c)
{
    switch (c.type) {
    case ColType::Text: return QStringLiteral("TEXT(%1)").arg(c.width);
    case ColType::Memo: return QStringLiteral("MEMO_TEXT");
    case ColType::Integer: return QStringLiteral("INTEGER");
    case ColType::SmallInt: return QStringLiteral("SMALLINT");
    case ColType::Money: return QStringLiteral("MONEY_INT");
    case ColType::Float: return QStringLiteral("FLOAT");
    case ColType::Logical: return QStringLiteral("LOGICAL_INT");
    case ColType::Date: return QStringLiteral("DATE_TEXT");
    case ColType::DateTime: return QStringLiteral("DATETIME_TEXT");
    case ColType::Time: return QStringLiteral("TIME_TEXT");
    case ColType::Blob: return QStringLiteral("BLOB");
    case ColType::AutoInc: return QStringLiteral("AUTOINC_INT");
    }
    return QStringLiteral("TEXT");
}

ColumnDef columnFromDeclared(const QString &name, const QString &declared)
{
    const QString d = declared.trimmed().toUpper();
    ColumnDef c{name, ColType::Text, 0};
    if (d.startsWith(u"TEXT(")) {
        c.width = d.mid(5, d.indexOf(u')') - 5).toInt();
    } else if (d == u"MEMO_TEXT" || d == u"TEXT" || d.isEmpty()) {
        c.type = d.isEmpty() ? ColType::Text : ColType::Memo;
    } else if (d == u"SMALLINT") {
        c.type = ColType::SmallInt;
    } else if (d == u"MONEY_INT") {
        c.type = ColType::Money;
    } else if (d == u"LOGICAL_INT") {
        c.type = ColType::Logical;
    } else if (d == u"AUTOINC_INT") {
        c.type = ColType::AutoInc;
    } else if (d.contains(u"INT")) {
        c.type = ColType::Integer;
    } else if (d == u"FLOAT" || d == u"REAL" || d == u"DOUBLE") {
        c.type = ColType::Float;
    } else if (d == u"DATE_TEXT") {
        c.type = ColType::Date;
    } else if (d == u"DATETIME_TEXT") {
        c.type = ColType::DateTime;
    } else if (d == u"TIME_TEXT") {
        c.type = ColType::Time;
    } else if (d == u"BLOB") {
        c.type = ColType::Blob;
    }
    return c;
}

QString TableDef::createSql() const
{
    QStringList cols;
    for (const ColumnDef &c : columns) {
        QString s = quoteIdent(c.name) + u' ' + declaredType(c);
        cols << s;
    }
    if (!primaryKey.isEmpty()) {
        QStringList k;
        for (const QString &p : primaryKey)
            k << quoteIdent(p);
        cols << QStringLiteral("UNIQUE (%1)").arg(k.join(u", "));
    }
    return QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (%2)").arg(quoteIdent(name), cols.join(u", "));
}

QStringList TableDef::indexSql() const
{
    QStringList out;
    for (const IndexDef &ix : indexes) {
        QStringList k;
        for (const QString &p : ix.columns)
            k << quoteIdent(p);
        out << QStringLiteral("CREATE %1INDEX IF NOT EXISTS %2 ON %3 (%4)")
                   .arg(ix.unique ? QStringLiteral("UNIQUE ") : QString(), quoteIdent(name + u'_' + ix.name),
                        quoteIdent(name), k.join(u", "));
    }
    return out;
}

} // namespace store
