#pragma once
// A result set over one SQL text, with a current row, navigation, locate and, for a
// single-table SELECT, editing that writes back to the table (edit / append / post /
// cancel / delete with their events). A join or aggregate opens read-only.
//
// Rows are fetched lazily: a live set first reads only the row ids of its result (fast,
// usually from an index) and loads whole rows page by page as they are visited, so a
// table of 100,000 customers opens at once. A read-only set steps its statement as far
// as it is read.
#include "database.h"
#include "packed_row.h"
#include "schema.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QVector>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace store {

class Dataset;

// One column of the current row. Obtained from Dataset::field(); valid while the set is open.
class Field {
public:
    Field(Dataset *ds, int index, ColumnDef def, bool writable)
        : ds_(ds), index_(index), def_(std::move(def)), writable_(writable) {}

    const QString &name() const { return def_.name; }
    ColType type() const { return def_.type; }
    int width() const { return def_.width; }
    int index() const { return index_; }
    bool canModify() const { return writable_; }

    QVariant value() const;
    bool isNull() const;
    bool isBlank() const;            // null or empty text
    QString asString() const;
    int asInteger() const;
    qint64 asInt64() const;
    double asFloat() const;
    bool asBool() const;
    QDate asDate() const;
    QDateTime asDateTime() const;

    void setValue(const QVariant &v);      // converted to the column's type; text cut to width
    void setString(const QString &s) { setValue(QVariant(s)); }
    void setInteger(qint64 v) { setValue(QVariant(static_cast<qlonglong>(v))); }
    void setFloat(double v) { setValue(QVariant(v)); }
    void setBool(bool v) { setValue(QVariant(v)); }
    void setDate(const QDate &d) { setValue(d.isValid() ? QVariant(d) : QVariant()); }
    void setDateTime(const QDateTime &d) { setValue(d.isValid() ? QVariant(d) : QVariant()); }
    void clear() { setValue(QVariant()); }

    // The stored form of a value for this column (what post writes).
    QVariant toStorage(const QVariant &v) const;

private:
    Dataset *ds_;
    int index_;
    ColumnDef def_;
    bool writable_;
};

class Dataset : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };
    using Handler = std::function<void(Dataset &)>;

    explicit Dataset(Database &db, QObject *parent = nullptr);
    Dataset(Database &db, const QString &sql, QObject *parent = nullptr);
    ~Dataset() override;

    Database &database() const { return *db_; }
    void setDatabase(Database &db);
    void setSql(const QString &sql, const QVariantList &params = {});
    const QString &sql() const { return sql_; }
    void setParams(const QVariantList &params) { params_ = params; }
    const QVariantList &params() const { return params_; }

    void open();
    void open(const QString &sql, const QVariantList &params = {});
    void close();
    void refresh();                      // close and open again on the same row number
    bool isOpen() const { return state_ != State::Inactive; }
    bool isLive() const { return live_; }
    const QString &tableName() const { return table_; }   // of a live set
    State state() const { return state_; }
    bool isEditing() const { return state_ == State::Edit || state_ == State::Insert; }

    // Navigation. eof(): past the last row or empty; bof(): on the first row or empty.
    void first();
    void next();
    void prior();
    void last();
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }
    bool isEmpty();
    int recordCount();
    int recNo() const;                   // 1-based, 0 when empty
    void setRecNo(int n);
    bool locateExact(const QString &column, const QVariant &value);
    bool locatePrefix(const QString &column, const QString &prefix);
    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return disabled_ > 0; }

    // Fields.
    int fieldCount() const { return static_cast<int>(fields_.size()); }
    Field &field(int i);
    Field &field(const QString &name);   // throws SqlError when absent
    Field *findField(const QString &name);
    QStringList fieldNames() const;
    QVariant value(int row, int column); // any loaded row, 0-based, for views

    // Editing of a live set.
    void edit();
    void append();                       // new row at the end
    void insert();                       // new row before the current one
    void post();
    void cancel();
    void remove();                       // delete the current row
    bool isModified() const { return modified_; }

    // Events, as the screens use them. A before-handler stops the operation by throwing
    // (store::Abort stops it silently).
    Handler afterOpen, beforeClose, onNewRecord, afterInsert, beforeEdit, afterEdit, beforePost, afterPost,
        afterCancel, beforeDelete, afterDelete, beforeScroll, afterScroll;

signals:
    void reset();                        // opened, closed, refreshed, or rows added/removed
    void currentChanged(int row);        // the current row moved (0-based)
    void rowChanged(int row);            // values of a row changed (edit, post, cancel)

private:
    friend class Field;
    struct Parsed;
    void parse();
    void fetchReadOnlyUpTo(int row);     // -1: all
    bool rowAvailable(int row);
    const PackedRow *rowAt(int row);
    void loadPage(int row);
    PackedRow readRow(qint64 rowid);
    void setFieldValue(int index, const QVariant &v);
    QVariant currentValue(int index);
    QVariant editValue(int index) const;   // the row being edited: changed or stored value
    void moveTo(int row);                // with scroll events
    void checkBrowse();                  // post pending edits before moving
    void beginInsert(int at);            // a new row in insert state at position at
    void requireLive(const char *what) const;
    void requireOpen() const;
    void emitReset();
    void emitCurrent();

    Database *db_;
    QString sql_;
    QVariantList params_;
    State state_ = State::Inactive;
    bool live_ = false;
    QString table_;              // live: table name
    QString tableRef_;           // live: table reference (name and alias) of the FROM clause
    QString selectList_;         // live: select list text
    QString rest_;               // live: WHERE / ORDER BY ... after the table reference
    std::vector<Field> fields_;
    QHash<QString, int> fieldIndex_;   // upper-cased names

    // Live sets: row ids in result order and a cache of loaded rows.
    QVector<qint64> rowids_;
    QHash<qint64, PackedRow> cache_;
    std::weak_ptr<StatementPool> pool_;     // where the statements go back when the set closes
    void giveBack(Statement &&st);
    void releaseStatement(std::unique_ptr<Statement> &st);
    void releaseStatements();
    std::unique_ptr<Statement> pageStmt_;
    // Read-only sets: rows fetched so far and the statement still stepping.
    QVector<PackedRow> rows_;
    std::unique_ptr<Statement> stepStmt_;
    bool stepDone_ = true;

    int cur_ = -1;               // 0-based current row, -1 when empty
    bool eof_ = true;
    bool bof_ = true;
    int disabled_ = 0;

    // Edit buffer of the current row (edit or insert).
    QVector<QVariant> buffer_;      // changed columns of the row being edited
    PackedRow editBase_;            // the row as it was when editing began
    QVector<bool> dirty_;
    bool modified_ = false;
    int insertedAt_ = -1;        // row index held by the insert buffer
};

} // namespace store
