#pragma once
// Table definitions in code: each column with its type and, for text, its width in
// Shift-JIS bytes. The declared SQLite type of every column encodes that type, so a
// result set can tell the type and width of any column it reads.
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>

namespace store {

class Database;

enum class ColType { Text, Memo, Integer, SmallInt, Money, Float, Logical, Date, DateTime, Time, Blob, AutoInc };

struct ColumnDef {
    QString name;
    ColType type = ColType::Text;
    int width = 0;        // bytes, for Text only

    static ColumnDef text(const QString &n, int w) { return {n, ColType::Text, w}; }
    static ColumnDef memo(const QString &n) { return {n, ColType::Memo, 0}; }
    static ColumnDef integer(const QString &n) { return {n, ColType::Integer, 0}; }
    static ColumnDef smallint(const QString &n) { return {n, ColType::SmallInt, 0}; }
    static ColumnDef money(const QString &n) { return {n, ColType::Money, 0}; }
    static ColumnDef real(const QString &n) { return {n, ColType::Float, 0}; }
    static ColumnDef logical(const QString &n) { return {n, ColType::Logical, 0}; }
    static ColumnDef date(const QString &n) { return {n, ColType::Date, 0}; }
    static ColumnDef dateTime(const QString &n) { return {n, ColType::DateTime, 0}; }
    static ColumnDef time(const QString &n) { return {n, ColType::Time, 0}; }
    static ColumnDef blob(const QString &n) { return {n, ColType::Blob, 0}; }
    static ColumnDef autoInc(const QString &n) { return {n, ColType::AutoInc, 0}; }
};

struct IndexDef {
    QString name;
    QStringList columns;
    bool unique = false;
};

struct TableDef {
    QString name;                 // lower-case table name used in SQL
    QList<ColumnDef> columns;     // in table order
    QStringList primaryKey;       // unique key columns, may be empty
    QList<IndexDef> indexes;      // secondary indexes
    std::function<void(Database &)> seed;   // initial rows of a fresh data folder, may be empty

    const ColumnDef *column(const QString &name) const;
    QString createSql() const;               // CREATE TABLE IF NOT EXISTS ...
    QStringList indexSql() const;            // CREATE INDEX IF NOT EXISTS ...
};

// Declared SQLite type of a column, and back.
QString declaredType(const ColumnDef &c);
ColumnDef columnFromDeclared(const QString &name, const QString &declared);

// Quotes an identifier for SQL ("name" with inner quotes doubled).
QString quoteIdent(const QString &name);
// Quotes a text literal ('text' with inner quotes doubled): the one escaping routine for SQL
// texts that cannot use bound parameters.
QString quoteText(const QString &text);

} // namespace store
