#pragma once
// Thin RAII layer over one SQLite connection. Every failure is a SqlError carrying the SQL.
#include "sql_error.h"

#include <QString>
#include <QVariant>
#include <QVariantList>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace store {

// One prepared statement. Values are bound by position (1-based in SQL, 0-based here).
class Statement {
public:
    Statement() = default;
    Statement(sqlite3 *db, const QString &sql);
    ~Statement();
    Statement(Statement &&o) noexcept;
    Statement &operator=(Statement &&o) noexcept;
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    void bind(int index, const QVariant &value);
    void bindInt64(int index, qint64 value);
    void bindAll(const QVariantList &values);
    bool step();                 // true while a row is available
    void reset();
    int columnCount() const;
    int parameterCount() const;
    QString columnName(int i) const;
    QString columnDeclType(int i) const;
    QString columnTable(int i) const;     // origin table, empty for expressions
    QString columnOrigin(int i) const;    // origin column, empty for expressions
    QVariant value(int i) const;
    qint64 int64(int i) const;
    bool isNull(int i) const;
    const QString &sql() const { return sql_; }
    // What a user derived from the statement once (a result set's field layout); it stays
    // with the statement while it goes back and forth through the pool.
    const std::shared_ptr<const void> &attachment() const { return attachment_; }
    void setAttachment(std::shared_ptr<const void> a) { attachment_ = std::move(a); }
    sqlite3_stmt *handle() const { return stmt_; }
    explicit operator bool() const { return stmt_ != nullptr; }

private:
    [[noreturn]] void fail(int rc) const;
    sqlite3 *db_ = nullptr;
    sqlite3_stmt *stmt_ = nullptr;
    QString sql_;
    std::shared_ptr<const void> attachment_;
};

// Prepared statements given back by result sets when they close, lent again to the next one
// that opens the same SQL text: a query that screens open again and again is prepared once.
class StatementPool {
public:
    Statement take(sqlite3 *db, const QString &sql);
    void giveBack(Statement &&st);

private:
    std::unordered_map<std::string, std::vector<Statement>> free_;
    int count_ = 0;
};

class Database {
public:
    Database() = default;
    explicit Database(const QString &path, bool readOnly = false);
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    void open(const QString &path, bool readOnly = false);
    void close();
    bool isOpen() const { return db_ != nullptr; }
    const QString &path() const { return path_; }

    // Runs a statement (or several, without parameters) that returns no rows; returns the
    // number of rows changed by the last one.
    int exec(const QString &sql, const QVariantList &params = {});
    // The first column of the first row, or an invalid QVariant when there is no row.
    QVariant scalar(const QString &sql, const QVariantList &params = {});
    Statement prepare(const QString &sql);
    // A statement from the pool (or newly prepared); give it back through the pool when done.
    Statement borrow(const QString &sql);
    std::weak_ptr<StatementPool> pool() const { return pool_; }
    // A prepared statement kept for reuse (bindings cleared); for statements run again and again.
    Statement &cached(const QString &sql);
    // exec() through the statement cache.
    int execCached(const QString &sql, const QVariantList &params);
    qint64 lastInsertRowid() const;
    bool tableExists(const QString &name);
    QStringList columnNames(const QString &table);

    // Nested transactions (savepoints). Prefer the Transaction guard below.
    void begin();
    void commit();
    void rollback();
    int transactionDepth() const { return depth_; }

    sqlite3 *handle() const { return db_; }

private:
    void forgetPooledLayoutsAfterSchemaChange(const QString &sql);
    sqlite3 *db_ = nullptr;
    QString path_;
    int depth_ = 0;
    std::unordered_map<std::string, std::unique_ptr<Statement>> cache_;
    std::shared_ptr<StatementPool> pool_ = std::make_shared<StatementPool>();
};

// Commits when commit() is called; rolls back when it goes out of scope without it.
class Transaction {
public:
    explicit Transaction(Database &db) : db_(db) { db_.begin(); }
    ~Transaction();
    void commit();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

private:
    Database &db_;
    bool done_ = false;
};

} // namespace store
