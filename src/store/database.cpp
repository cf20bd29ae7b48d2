#include "database.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <sqlite3.h>

namespace store {

namespace {
QString errmsg(sqlite3 *db) { return db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("database is not open"); }
}

Statement::Statement(sqlite3 *db, const QString &sql) : db_(db), sql_(sql)
{
    if (!db)
        throw SqlError(QStringLiteral("database is not open"), sql);
    const QByteArray utf8 = sql.toUtf8();
    int rc = sqlite3_prepare_v2(db, utf8.constData(), static_cast<int>(utf8.size()), &stmt_, nullptr);
    if (rc != SQLITE_OK)
        fail(rc);
}

Statement::~Statement()
{
    if (stmt_)
        sqlite3_finalize(stmt_);
}

Statement::Statement(Statement &&o) noexcept
    : db_(o.db_), stmt_(o.stmt_), sql_(std::move(o.sql_)), attachment_(std::move(o.attachment_))
{
    o.stmt_ = nullptr;
}

Statement &Statement::operator=(Statement &&o) noexcept
{
    if (this != &o) {
        if (stmt_)
            sqlite3_finalize(stmt_);
        db_ = o.db_;
        stmt_ = o.stmt_;
        sql_ = std::move(o.sql_);
        attachment_ = std::move(o.attachment_);
        o.stmt_ = nullptr;
    }
    return *this;
}

void Statement::fail(int rc) const
{
    throw SqlError(errmsg(db_), sql_, db_ ? sqlite3_extended_errcode(db_) : rc);
}

void Statement::bind(int index, const QVariant &v)
{
    int rc;
    const int i = index + 1;
    if (!v.isValid() || v.isNull()) {
        rc = sqlite3_bind_null(stmt_, i);
    } else {
        switch (v.typeId()) {
        case QMetaType::Bool:
            rc = sqlite3_bind_int(stmt_, i, v.toBool() ? 1 : 0);
            break;
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Long:
        case QMetaType::Short:
            rc = sqlite3_bind_int64(stmt_, i, v.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(stmt_, i, v.toDouble());
            break;
        case QMetaType::QDate: {
            const QByteArray s = v.toDate().toString(QStringLiteral("yyyy-MM-dd")).toUtf8();
            rc = sqlite3_bind_text(stmt_, i, s.constData(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
            break;
        }
        case QMetaType::QDateTime: {
            const QByteArray s = v.toDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")).toUtf8();
            rc = sqlite3_bind_text(stmt_, i, s.constData(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
            break;
        }
        case QMetaType::QByteArray: {
            const QByteArray b = v.toByteArray();
            rc = sqlite3_bind_blob(stmt_, i, b.constData(), static_cast<int>(b.size()), SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray s = v.toString().toUtf8();
            rc = sqlite3_bind_text(stmt_, i, s.constData(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
        }
        }
    }
    if (rc != SQLITE_OK)
        fail(rc);
}

void Statement::bindInt64(int index, qint64 value)
{
    int rc = sqlite3_bind_int64(stmt_, index + 1, value);
    if (rc != SQLITE_OK)
        fail(rc);
}

void Statement::bindAll(const QVariantList &values)
{
    const int n = sqlite3_bind_parameter_count(stmt_);
    if (values.size() != n)
        throw SqlError(QStringLiteral("%1 values given for %2 parameters").arg(values.size()).arg(n), sql_);
    for (int i = 0; i < values.size(); ++i)
        bind(i, values.at(i));
}

bool Statement::step()
{
    int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    fail(rc);
}

void Statement::reset()
{
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

int Statement::columnCount() const { return sqlite3_column_count(stmt_); }
int Statement::parameterCount() const { return sqlite3_bind_parameter_count(stmt_); }

QString Statement::columnName(int i) const { return QString::fromUtf8(sqlite3_column_name(stmt_, i)); }

QString Statement::columnDeclType(int i) const
{
    const char *t = sqlite3_column_decltype(stmt_, i);
    return t ? QString::fromUtf8(t) : QString();
}

QString Statement::columnTable(int i) const
{
    const char *t = sqlite3_column_table_name(stmt_, i);
    return t ? QString::fromUtf8(t) : QString();
}

QString Statement::columnOrigin(int i) const
{
    const char *t = sqlite3_column_origin_name(stmt_, i);
    return t ? QString::fromUtf8(t) : QString();
}

QVariant Statement::value(int i) const
{
    switch (sqlite3_column_type(stmt_, i)) {
    case SQLITE_INTEGER:
        return QVariant(static_cast<qlonglong>(sqlite3_column_int64(stmt_, i)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(stmt_, i));
    case SQLITE_TEXT:
        return QVariant(QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt_, i)),
                                          sqlite3_column_bytes(stmt_, i)));
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char *>(sqlite3_column_blob(stmt_, i)),
                                   sqlite3_column_bytes(stmt_, i)));
    default:
        return QVariant();
    }
}

qint64 Statement::int64(int i) const { return sqlite3_column_int64(stmt_, i); }

bool Statement::isNull(int i) const { return sqlite3_column_type(stmt_, i) == SQLITE_NULL; }

Database::Database(const QString &path, bool readOnly) { open(path, readOnly); }

Database::~Database() { close(); }

void Database::open(const QString &path, bool readOnly)
{
    close();
    if (!readOnly)
        QDir().mkpath(QFileInfo(path).absolutePath());
    const int flags = readOnly ? SQLITE_OPEN_READONLY : (SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    int rc = sqlite3_open_v2(path.toUtf8().constData(), &db_, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        QString msg = errmsg(db_);
        sqlite3_close(db_);
        db_ = nullptr;
        throw SqlError(msg, QStringLiteral("open ") + path, rc);
    }
    path_ = path;
    sqlite3_busy_timeout(db_, 5000);
    if (!readOnly) {
        // Takes effect only on a new, empty file: lets PackTable give free pages back cheaply.
        exec(QStringLiteral("PRAGMA auto_vacuum=INCREMENTAL"));
        exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
        exec(QStringLiteral("PRAGMA cache_size=-32768"));   // 32 MB of pages: the whole working set of a shop
    }
}

void Database::close()
{
    cache_.clear();
    // Statements still lent out are finalised by their holders; the pool they would go back to
    // is gone with this connection.
    pool_ = std::make_shared<StatementPool>();
    if (db_) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
        depth_ = 0;
    }
}

int Database::exec(const QString &sql, const QVariantList &params)
{
    if (!db_)
        throw SqlError(QStringLiteral("database is not open"), sql);
    if (params.isEmpty()) {
        // May hold several statements (schema scripts).
        char *err = nullptr;
        int rc = sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &err);
        if (rc != SQLITE_OK) {
            QString msg = err ? QString::fromUtf8(err) : errmsg(db_);
            sqlite3_free(err);
            throw SqlError(msg, sql, sqlite3_extended_errcode(db_));
        }
        forgetPooledLayoutsAfterSchemaChange(sql);
        return sqlite3_changes(db_);
    }
    Statement st(db_, sql);
    st.bindAll(params);
    while (st.step()) {
    }
    return sqlite3_changes(db_);
}

void Database::forgetPooledLayoutsAfterSchemaChange(const QString &sql)
{
    // Pooled statements carry the column layout their result sets read from them; after a
    // table is changed a new pool makes the next result set read it afresh.
    static const QRegularExpression ddl(QStringLiteral("\\b(CREATE|ALTER|DROP)\\s+TABLE\\b"),
                                        QRegularExpression::CaseInsensitiveOption);
    if (ddl.match(sql).hasMatch())
        pool_ = std::make_shared<StatementPool>();
}

QVariant Database::scalar(const QString &sql, const QVariantList &params)
{
    Statement st(db_, sql);
    if (!params.isEmpty())
        st.bindAll(params);
    if (st.step())
        return st.value(0);
    return {};
}

Statement Database::prepare(const QString &sql) { return Statement(db_, sql); }

Statement StatementPool::take(sqlite3 *db, const QString &sql)
{
    auto it = free_.find(sql.toStdString());
    if (it == free_.end() || it->second.empty())
        return Statement(db, sql);
    Statement st = std::move(it->second.back());
    it->second.pop_back();
    --count_;
    return st;
}

void StatementPool::giveBack(Statement &&st)
{
    if (!st)
        return;
    st.reset();   // also clears the bindings
    if (count_ >= 64) {
        free_.clear();
        count_ = 0;
    }
    free_[st.sql().toStdString()].push_back(std::move(st));
    ++count_;
}

Statement Database::borrow(const QString &sql)
{
    if (!db_)
        throw SqlError(QStringLiteral("database is not open"), sql);
    return pool_->take(db_, sql);
}

Statement &Database::cached(const QString &sql)
{
    const std::string key = sql.toStdString();
    auto it = cache_.find(key);
    if (it == cache_.end()) {
        if (cache_.size() > 200)
            cache_.clear();
        it = cache_.emplace(key, std::make_unique<Statement>(db_, sql)).first;
    } else {
        it->second->reset();
    }
    return *it->second;
}

int Database::execCached(const QString &sql, const QVariantList &params)
{
    Statement &st = cached(sql);
    st.bindAll(params);
    try {
        while (st.step()) {
        }
    } catch (...) {
        st.reset();
        throw;
    }
    st.reset();
    return sqlite3_changes(db_);
}

qint64 Database::lastInsertRowid() const { return sqlite3_last_insert_rowid(db_); }

bool Database::tableExists(const QString &name)
{
    Statement &st = cached(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='table' AND name=? COLLATE NOCASE"));
    st.bind(0, name);
    const bool found = st.step() && st.int64(0) > 0;
    st.reset();
    return found;
}

QStringList Database::columnNames(const QString &table)
{
    QStringList out;
    Statement st(db_, QStringLiteral("SELECT name FROM pragma_table_info(?)"));
    st.bind(0, table);
    while (st.step())
        out << st.value(0).toString();
    return out;
}

void Database::begin()
{
    exec(QStringLiteral("SAVEPOINT sp%1").arg(depth_));
    ++depth_;
}

void Database::commit()
{
    if (depth_ <= 0)
        throw SqlError(QStringLiteral("commit without a transaction"), QString());
    --depth_;
    exec(QStringLiteral("RELEASE sp%1").arg(depth_));
}

void Database::rollback()
{
    if (depth_ <= 0)
        return;
    --depth_;
    exec(QStringLiteral("ROLLBACK TO sp%1; RELEASE sp%1").arg(depth_));
}

Transaction::~Transaction()
{
    if (!done_) {
        try {
            db_.rollback();
        } catch (...) {
        }
    }
}

void Transaction::commit()
{
    db_.commit();
    done_ = true;
}

} // namespace store
