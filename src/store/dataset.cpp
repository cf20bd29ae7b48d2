#include "dataset.h"

#include "sjis.h"
#include "sql_shape.h"

#include <QSet>

#include <algorithm>

namespace store {

namespace {
constexpr int kPage = 128;            // rows loaded per page of a live set
constexpr int kSmallPage = 8;         // the page of a set found with few rows (a lookup)
constexpr int kCacheLimit = 50000;    // loaded rows kept before the cache is dropped

// The fields of a prepared statement's columns, with the index by upper-case name.
struct FieldLayout {
    std::vector<std::pair<ColumnDef, bool>> columns;   // definition, writable
    QHash<QString, int> index;
};

QDate parseDate(const QString &s)
{
    if (s.isEmpty())
        return {};
    QString d = s.left(10);
    d.replace(u'/', u'-');
    QDate date = QDate::fromString(d, QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid())
        date = QDate::fromString(d, QStringLiteral("yyyy-M-d"));
    return date;
}

QDateTime parseDateTime(const QString &s)
{
    QString d = s;
    d.replace(u'/', u'-');
    QDateTime t = QDateTime::fromString(d.left(19), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    if (!t.isValid()) {
        QDate date = parseDate(d);
        if (date.isValid())
            t = QDateTime(date, QTime(0, 0));
    }
    return t;
}
} // namespace

// ---------------------------------------------------------------- Field

QVariant Field::value() const { return ds_->currentValue(index_); }

bool Field::isNull() const { return value().isNull(); }

bool Field::isBlank() const
{
    const QVariant v = value();
    return v.isNull() || (v.typeId() == QMetaType::QString && v.toString().isEmpty());
}

QString Field::asString() const
{
    const QVariant v = value();
    if (v.isNull())
        return {};
    switch (def_.type) {
    case ColType::Date: {
        QDate d = parseDate(v.toString());
        return d.isValid() ? d.toString(QStringLiteral("yyyy/MM/dd")) : v.toString();
    }
    case ColType::DateTime: {
        QDateTime d = parseDateTime(v.toString());
        return d.isValid() ? d.toString(QStringLiteral("yyyy/MM/dd hh:mm:ss")) : v.toString();
    }
    case ColType::Logical:
        return asBool() ? QStringLiteral("True") : QStringLiteral("False");
    default:
        break;
    }
    if (v.typeId() == QMetaType::Double)
        return QString::number(v.toDouble(), 'g', 15);
    return v.toString();
}

int Field::asInteger() const { return static_cast<int>(asInt64()); }

qint64 Field::asInt64() const
{
    const QVariant v = value();
    if (v.isNull())
        return 0;
    if (v.typeId() == QMetaType::Double)
        return static_cast<qint64>(v.toDouble());
    bool ok = false;
    qint64 n = v.toLongLong(&ok);
    if (ok)
        return n;
    double d = v.toString().trimmed().toDouble(&ok);
    return ok ? static_cast<qint64>(d) : 0;
}

double Field::asFloat() const
{
    const QVariant v = value();
    if (v.isNull())
        return 0;
    bool ok = false;
    double d = v.toDouble(&ok);
    return ok ? d : v.toString().trimmed().toDouble();
}

bool Field::asBool() const
{
    const QVariant v = value();
    if (v.isNull())
        return false;
    if (v.typeId() == QMetaType::QString) {
        const QString s = v.toString().trimmed().toLower();
        return s == u"true" || s == u"1" || s == u"t" || s == u"yes";
    }
    return v.toLongLong() != 0;
}

QDate Field::asDate() const
{
    const QVariant v = value();
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::QDate)
        return v.toDate();
    return parseDate(v.toString());
}

QDateTime Field::asDateTime() const
{
    const QVariant v = value();
    if (v.isNull())
        return {};
    return parseDateTime(v.toString());
}

QVariant Field::toStorage(const QVariant &v) const
{
    if (!v.isValid() || v.isNull())
        return {};
    const bool isText = v.typeId() == QMetaType::QString;
    const QString s = isText ? v.toString() : QString();
    switch (def_.type) {
    case ColType::Text:
    case ColType::Memo: {
        QString t = v.typeId() == QMetaType::Bool ? (v.toBool() ? QStringLiteral("True") : QStringLiteral("False"))
                                                  : v.toString();
        if (def_.type == ColType::Text && def_.width > 0)
            t = sjis::leftBytes(t, def_.width);
        if (t.isEmpty())
            return {};
        return t;
    }
    case ColType::Integer:
    case ColType::SmallInt:
    case ColType::Money:
    case ColType::AutoInc: {
        if (isText) {
            const QString t = s.trimmed();
            if (t.isEmpty())
                return {};
            bool ok = false;
            qlonglong n = t.toLongLong(&ok);
            if (!ok) {
                double d = t.toDouble(&ok);
                if (!ok)
                    throw SqlError(QStringLiteral("'%1' is not a valid integer value for %2").arg(s, def_.name), QString());
                n = static_cast<qlonglong>(d);
            }
            return n;
        }
        if (v.typeId() == QMetaType::Double)
            return static_cast<qlonglong>(v.toDouble());
        return v.toLongLong();
    }
    case ColType::Float: {
        if (isText) {
            const QString t = s.trimmed();
            if (t.isEmpty())
                return {};
            bool ok = false;
            double d = t.toDouble(&ok);
            if (!ok)
                throw SqlError(QStringLiteral("'%1' is not a valid floating point value for %2").arg(s, def_.name),
                               QString());
            return d;
        }
        return v.toDouble();
    }
    case ColType::Logical: {
        if (isText) {
            const QString t = s.trimmed().toLower();
            if (t.isEmpty())
                return {};
            return (t == u"true" || t == u"1" || t == u"t" || t == u"yes") ? 1 : 0;
        }
        return v.toBool() ? 1 : 0;
    }
    case ColType::Date: {
        QDate d = v.typeId() == QMetaType::QDate ? v.toDate()
                  : v.typeId() == QMetaType::QDateTime ? v.toDateTime().date()
                                                        : parseDate(v.toString());
        if (!d.isValid()) {
            if (isText && s.trimmed().isEmpty())
                return {};
            throw SqlError(QStringLiteral("'%1' is not a valid date for %2").arg(v.toString(), def_.name), QString());
        }
        return d.toString(QStringLiteral("yyyy-MM-dd"));
    }
    case ColType::DateTime: {
        QDateTime d = v.typeId() == QMetaType::QDateTime ? v.toDateTime()
                      : v.typeId() == QMetaType::QDate     ? QDateTime(v.toDate(), QTime(0, 0))
                                                           : parseDateTime(v.toString());
        if (!d.isValid()) {
            if (isText && s.trimmed().isEmpty())
                return {};
            throw SqlError(QStringLiteral("'%1' is not a valid date and time for %2").arg(v.toString(), def_.name),
                           QString());
        }
        return d.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    }
    case ColType::Time:
        if (v.typeId() == QMetaType::QTime)
            return v.toTime().toString(QStringLiteral("hh:mm:ss"));
        return v.toString().isEmpty() ? QVariant() : QVariant(v.toString());
    case ColType::Blob:
        return v.toByteArray();
    }
    return v;
}

void Field::setValue(const QVariant &v)
{
    if (!ds_->isEditing())
        throw SqlError(QStringLiteral("Dataset not in edit or insert mode"), ds_->sql());
    if (!writable_)
        throw SqlError(QStringLiteral("Field '%1' cannot be modified").arg(def_.name), ds_->sql());
    ds_->setFieldValue(index_, toStorage(v));
}

// ---------------------------------------------------------------- Dataset

Dataset::Dataset(Database &db, QObject *parent) : QObject(parent), db_(&db) {}

Dataset::Dataset(Database &db, const QString &sql, QObject *parent) : QObject(parent), db_(&db), sql_(sql) {}

Dataset::~Dataset() { releaseStatements(); }

void Dataset::giveBack(Statement &&st)
{
    if (st)
        if (auto pool = pool_.lock())
            pool->giveBack(std::move(st));
}

void Dataset::releaseStatement(std::unique_ptr<Statement> &st)
{
    if (st)
        giveBack(std::move(*st));
    st.reset();
}

void Dataset::releaseStatements()
{
    releaseStatement(pageStmt_);
    releaseStatement(stepStmt_);
}

void Dataset::setDatabase(Database &db)
{
    close();
    db_ = &db;
}

void Dataset::setSql(const QString &sql, const QVariantList &params)
{
    close();
    sql_ = sql;
    params_ = params;
}

void Dataset::open(const QString &sql, const QVariantList &params)
{
    setSql(sql, params);
    open();
}

void Dataset::requireOpen() const
{
    if (state_ == State::Inactive)
        throw SqlError(QStringLiteral("Cannot perform this operation on a closed dataset"), sql_);
}

void Dataset::requireLive(const char *what) const
{
    requireOpen();
    if (!live_)
        throw SqlError(QStringLiteral("Cannot %1: the result set is read-only").arg(QString::fromLatin1(what)), sql_);
}

void Dataset::open()
{
    if (isOpen())
        return;
    const SqlShape shape = analyseSelect(sql_);
    live_ = shape.live && db_->tableExists(shape.table);
    fields_.clear();
    fieldIndex_.clear();
    rowids_.clear();
    cache_.clear();
    rows_.clear();
    releaseStatements();
    stepDone_ = true;
    pool_ = db_->pool();

    auto addFields = [this](Statement &st, int firstColumn) {
        // The layout is worked out once per prepared statement and travels with it through
        // the pool: a query opened again and again does not read its column details again.
        auto layout = std::static_pointer_cast<const FieldLayout>(st.attachment());
        if (!layout || static_cast<int>(layout->columns.size()) != st.columnCount() - firstColumn) {
            auto fresh = std::make_shared<FieldLayout>();
            for (int i = firstColumn; i < st.columnCount(); ++i) {
                const QString name = st.columnName(i);
                const bool writable = live_ && !st.columnOrigin(i).isEmpty() &&
                                      st.columnTable(i).compare(table_, Qt::CaseInsensitive) == 0 &&
                                      st.columnOrigin(i).compare(name, Qt::CaseInsensitive) == 0;
                const int index = static_cast<int>(fresh->columns.size());
                fresh->columns.emplace_back(columnFromDeclared(name, st.columnDeclType(i)), writable);
                const QString key = name.toUpper();
                if (!fresh->index.contains(key))
                    fresh->index.insert(key, index);
            }
            st.setAttachment(fresh);
            layout = fresh;
        }
        fields_.reserve(layout->columns.size());
        for (const auto &[def, writable] : layout->columns)
            fields_.emplace_back(this, static_cast<int>(fields_.size()), def, writable);
        fieldIndex_ = layout->index;
    };

    if (live_) {
        table_ = shape.table;
        tableRef_ = shape.tableRef;
        selectList_ = shape.selectList;
        rest_ = shape.rest;
        Statement ids;
        try {
            ids = db_->borrow(QStringLiteral("SELECT _rowid_ FROM %1 %2").arg(tableRef_, rest_));
        } catch (const SqlError &) {
            // ORDER BY names an alias of the select list: read the ids through the full query.
            ids = db_->borrow(QStringLiteral("SELECT __rid FROM (SELECT _rowid_ AS __rid, %1 FROM %2 %3)")
                                  .arg(selectList_, tableRef_, rest_));
        }
        if (!params_.isEmpty())
            ids.bindAll(params_);
        while (ids.step())
            rowids_.push_back(ids.int64(0));
        giveBack(std::move(ids));
        cache_.reserve(qMin<qsizetype>(rowids_.size(), kCacheLimit));
        QStringList marks;
        // A lookup that finds a row or two binds a short list instead of a full page.
        const int page = rowids_.size() <= kSmallPage ? kSmallPage : kPage;
        for (int i = 0; i < page; ++i)
            marks << QStringLiteral("?");
        pageStmt_ = std::make_unique<Statement>(db_->borrow(
            QStringLiteral("SELECT _rowid_, %1 FROM %2 WHERE _rowid_ IN (%3)").arg(selectList_, tableRef_, marks.join(u','))));
        addFields(*pageStmt_, 1);
    } else {
        table_.clear();
        stepStmt_ = std::make_unique<Statement>(db_->borrow(sql_));
        if (!params_.isEmpty())
            stepStmt_->bindAll(params_);
        stepDone_ = false;
        addFields(*stepStmt_, 0);
    }
    state_ = State::Browse;
    modified_ = false;
    insertedAt_ = -1;
    cur_ = -1;
    eof_ = bof_ = true;
    if (rowAvailable(0)) {
        cur_ = 0;
        eof_ = false;
    }
    emitReset();
    if (afterOpen)
        afterOpen(*this);
    if (afterScroll)
        afterScroll(*this);
}

void Dataset::close()
{
    if (state_ == State::Inactive)
        return;
    if (beforeClose)
        beforeClose(*this);
    state_ = State::Inactive;
    fields_.clear();
    fieldIndex_.clear();
    rowids_.clear();
    cache_.clear();
    rows_.clear();
    releaseStatements();
    stepDone_ = true;
    buffer_.clear();
    dirty_.clear();
    editBase_ = PackedRow();
    cur_ = -1;
    eof_ = bof_ = true;
    live_ = false;
    emitReset();
}

void Dataset::refresh()
{
    requireOpen();
    checkBrowse();
    const int n = recNo();
    disableControls();
    try {
        close();
        open();
        if (n > 0)
            setRecNo(n);
    } catch (...) {
        enableControls();
        throw;
    }
    enableControls();
}

void Dataset::fetchReadOnlyUpTo(int row)
{
    while (!stepDone_ && (row < 0 || rows_.size() <= row)) {
        if (stepStmt_->step()) {
            rows_.push_back(PackedRow::fromStatement(stepStmt_->handle(), 0, stepStmt_->columnCount()));
        } else {
            stepDone_ = true;
            releaseStatement(stepStmt_);   // release the statement (and its read snapshot) at once
        }
    }
}

bool Dataset::rowAvailable(int row)
{
    if (row < 0)
        return false;
    if (live_)
        return row < rowids_.size();
    fetchReadOnlyUpTo(row);
    return row < rows_.size();
}

void Dataset::loadPage(int row)
{
    if (cache_.size() > kCacheLimit)
        cache_.clear();
    const int page = pageStmt_->parameterCount();
    QVector<qint64> want;
    for (int r = row; r < rowids_.size() && want.size() < page; ++r) {
        const qint64 id = rowids_.at(r);
        if (id != 0 && !cache_.contains(id))
            want.push_back(id);
    }
    for (int r = row - 1; r >= 0 && want.size() < page && row - r < page / 4; --r) {
        const qint64 id = rowids_.at(r);
        if (id != 0 && !cache_.contains(id))
            want.push_back(id);
    }
    if (want.isEmpty())
        return;
    pageStmt_->reset();
    for (int i = 0; i < page; ++i)
        pageStmt_->bindInt64(i, i < want.size() ? want.at(i) : want.first());
    const int n = pageStmt_->columnCount();
    while (pageStmt_->step())
        cache_.insert(pageStmt_->int64(0), PackedRow::fromStatement(pageStmt_->handle(), 1, n - 1));
    pageStmt_->reset();
    // A row deleted behind our back reads as nulls.
    for (qint64 id : want)
        if (!cache_.contains(id))
            cache_.insert(id, PackedRow::nulls(static_cast<int>(fields_.size())));
}

PackedRow Dataset::readRow(qint64 rowid)
{
    Statement &st = db_->cached(QStringLiteral("SELECT %1 FROM %2 WHERE _rowid_ = ?").arg(selectList_, tableRef_));
    st.bind(0, rowid);
    PackedRow row = st.step() ? PackedRow::fromStatement(st.handle(), 0, static_cast<int>(fields_.size()))
                              : PackedRow::nulls(static_cast<int>(fields_.size()));
    st.reset();
    return row;
}

const PackedRow *Dataset::rowAt(int row)
{
    if (row < 0)
        return nullptr;
    if (live_) {
        if (row >= rowids_.size())
            return nullptr;
        const qint64 id = rowids_.at(row);
        if (id == 0)
            return nullptr;
        auto it = cache_.constFind(id);
        if (it == cache_.constEnd()) {
            loadPage(row);
            it = cache_.constFind(id);
            if (it == cache_.constEnd())
                return nullptr;
        }
        return &it.value();
    }
    fetchReadOnlyUpTo(row);
    return row < rows_.size() ? &rows_.at(row) : nullptr;
}

QVariant Dataset::editValue(int index) const
{
    if (index < 0 || index >= buffer_.size())
        return {};
    return dirty_.at(index) ? buffer_.at(index) : editBase_.value(index);
}

QVariant Dataset::currentValue(int index)
{
    if (isEditing())
        return editValue(index);
    const PackedRow *r = rowAt(cur_);
    return r ? r->value(index) : QVariant();
}

QVariant Dataset::value(int row, int column)
{
    if (row == cur_ && isEditing())
        return editValue(column);
    const PackedRow *r = rowAt(row);
    return r ? r->value(column) : QVariant();
}

void Dataset::setFieldValue(int index, const QVariant &v)
{
    const QVariant old = editValue(index);
    if (old == v && old.isNull() == v.isNull())
        return;
    buffer_[index] = v;
    dirty_[index] = true;
    modified_ = true;
    if (!disabled_)
        emit rowChanged(cur_);
}

Field &Dataset::field(int i)
{
    requireOpen();
    return fields_.at(static_cast<size_t>(i));
}

Field &Dataset::field(const QString &name)
{
    Field *f = findField(name);
    if (!f)
        throw SqlError(QStringLiteral("Field '%1' not found").arg(name), sql_);
    return *f;
}

Field *Dataset::findField(const QString &name)
{
    auto it = fieldIndex_.constFind(name.toUpper());
    if (it == fieldIndex_.constEnd())
        return nullptr;
    return &fields_[static_cast<size_t>(it.value())];
}

QStringList Dataset::fieldNames() const
{
    QStringList out;
    for (const Field &f : fields_)
        out << f.name();
    return out;
}

// ---------------------------------------------------------------- navigation

void Dataset::checkBrowse()
{
    if (isEditing())
        post();
}

void Dataset::moveTo(int row)
{
    if (row == cur_)
        return;
    if (beforeScroll)
        beforeScroll(*this);
    cur_ = row;
    emitCurrent();
    if (afterScroll)
        afterScroll(*this);
}

void Dataset::first()
{
    requireOpen();
    checkBrowse();
    if (rowAvailable(0)) {
        moveTo(0);
        eof_ = false;
    } else {
        cur_ = -1;
        eof_ = true;
    }
    bof_ = true;
}

void Dataset::next()
{
    requireOpen();
    checkBrowse();
    if (cur_ >= 0 && rowAvailable(cur_ + 1)) {
        moveTo(cur_ + 1);
        eof_ = false;
        bof_ = false;
    } else {
        eof_ = true;
        if (cur_ >= 0)
            bof_ = false;
    }
}

void Dataset::prior()
{
    requireOpen();
    checkBrowse();
    if (cur_ > 0) {
        moveTo(cur_ - 1);
        bof_ = false;
        eof_ = false;
    } else {
        bof_ = true;
    }
}

void Dataset::last()
{
    requireOpen();
    checkBrowse();
    const int n = recordCount();
    if (n > 0) {
        moveTo(n - 1);
        bof_ = n == 1;
    }
    eof_ = true;
}

bool Dataset::isEmpty()
{
    requireOpen();
    return !rowAvailable(0);
}

int Dataset::recordCount()
{
    requireOpen();
    if (live_)
        return rowids_.size();
    fetchReadOnlyUpTo(-1);
    return rows_.size();
}

int Dataset::recNo() const { return cur_ + 1; }

void Dataset::setRecNo(int n)
{
    requireOpen();
    checkBrowse();
    if (!rowAvailable(0))
        return;
    int row = n - 1;
    if (row < 0)
        row = 0;
    if (!rowAvailable(row))
        row = recordCount() - 1;
    moveTo(row);
    eof_ = false;
    bof_ = row == 0;
}

bool Dataset::locateExact(const QString &column, const QVariant &value)
{
    requireOpen();
    checkBrowse();
    Field *f = findField(column);
    if (!f)
        throw SqlError(QStringLiteral("Field '%1' not found").arg(column), sql_);
    const int count = recordCount();
    int found = -1;
    if (live_ && f->canModify()) {
        // Ask the table (through its indexes) which rows hold the value, then take the one
        // that comes first in this result's order.
        const bool blank = !value.isValid() || value.isNull() || (value.typeId() == QMetaType::QString && value.toString().isEmpty());
        QVariant stored = value.typeId() == QMetaType::QString && (f->type() == ColType::Text || f->type() == ColType::Memo)
                              ? value
                              : f->toStorage(value);
        Statement st = blank ? db_->prepare(QStringLiteral("SELECT _rowid_ FROM %1 WHERE %2 IS NULL OR %2 = ''")
                                                .arg(quoteIdent(table_), quoteIdent(f->name())))
                             : db_->prepare(QStringLiteral("SELECT _rowid_ FROM %1 WHERE %2 = ?")
                                                .arg(quoteIdent(table_), quoteIdent(f->name())));
        if (!blank)
            st.bind(0, stored);
        QSet<qint64> ids;
        while (st.step())
            ids.insert(st.int64(0));
        if (!ids.isEmpty())
            for (int r = 0; r < count; ++r)
                if (ids.contains(rowids_.at(r))) {
                    found = r;
                    break;
                }
    } else {
        const QString want = value.toString();
        for (int r = 0; r < count; ++r) {
            const QVariant v = this->value(r, f->index());
            if (v.toString() == want && v.isNull() == (!value.isValid() || value.isNull())) {
                found = r;
                break;
            }
        }
    }
    if (found < 0)
        return false;
    moveTo(found);
    eof_ = false;
    bof_ = found == 0;
    return true;
}

bool Dataset::locatePrefix(const QString &column, const QString &prefix)
{
    requireOpen();
    checkBrowse();
    Field *f = findField(column);
    if (!f)
        throw SqlError(QStringLiteral("Field '%1' not found").arg(column), sql_);
    const int count = recordCount();
    int found = -1;
    if (live_ && f->canModify() && (f->type() == ColType::Text || f->type() == ColType::Memo)) {
        Statement st = db_->prepare(QStringLiteral("SELECT _rowid_ FROM %1 WHERE %2 >= ? AND %2 < ?")
                                        .arg(quoteIdent(table_), quoteIdent(f->name())));
        st.bind(0, prefix);
        st.bind(1, prefix + QString::fromUcs4(U"\U0010FFFF"));
        QSet<qint64> ids;
        while (st.step())
            ids.insert(st.int64(0));
        if (!ids.isEmpty())
            for (int r = 0; r < count; ++r)
                if (ids.contains(rowids_.at(r))) {
                    found = r;
                    break;
                }
    } else {
        for (int r = 0; r < count; ++r) {
            const QVariant v = this->value(r, f->index());
            if (!v.isNull() && v.toString().startsWith(prefix, Qt::CaseSensitive)) {
                found = r;
                break;
            }
        }
    }
    if (found < 0)
        return false;
    moveTo(found);
    eof_ = false;
    bof_ = found == 0;
    return true;
}

void Dataset::disableControls() { ++disabled_; }

void Dataset::enableControls()
{
    if (disabled_ > 0 && --disabled_ == 0) {
        emit reset();
        emit currentChanged(cur_);
    }
}

void Dataset::emitReset()
{
    if (!disabled_)
        emit reset();
}

void Dataset::emitCurrent()
{
    if (!disabled_)
        emit currentChanged(cur_);
}

// ---------------------------------------------------------------- editing

void Dataset::edit()
{
    requireLive("edit");
    if (isEditing())
        return;
    if (cur_ < 0) {
        append();
        return;
    }
    if (beforeEdit)
        beforeEdit(*this);
    // Columns are decoded from the stored row only when read; post copies the unchanged ones.
    const PackedRow *r = rowAt(cur_);
    editBase_ = r ? *r : PackedRow();
    buffer_ = QVector<QVariant>(static_cast<int>(fields_.size()));
    dirty_.fill(false, buffer_.size());
    modified_ = false;
    state_ = State::Edit;
    if (afterEdit)
        afterEdit(*this);
    if (!disabled_)
        emit rowChanged(cur_);
}

void Dataset::append()
{
    requireLive("append");
    checkBrowse();
    beginInsert(static_cast<int>(rowids_.size()));
}

void Dataset::insert()
{
    requireLive("insert");
    checkBrowse();
    beginInsert(cur_ < 0 ? 0 : cur_);
}

void Dataset::beginInsert(int at)
{
    if (beforeScroll)
        beforeScroll(*this);
    rowids_.insert(at, 0);
    cur_ = at;
    insertedAt_ = at;
    editBase_ = PackedRow();
    buffer_ = QVector<QVariant>(static_cast<int>(fields_.size()));
    dirty_.fill(false, buffer_.size());
    modified_ = false;
    state_ = State::Insert;
    eof_ = bof_ = false;
    emitReset();
    emitCurrent();
    if (onNewRecord)
        onNewRecord(*this);
    if (afterInsert)
        afterInsert(*this);
    if (afterScroll)
        afterScroll(*this);
}

void Dataset::post()
{
    requireOpen();
    if (!isEditing())
        throw SqlError(QStringLiteral("Dataset not in edit or insert mode"), sql_);
    if (beforePost)
        beforePost(*this);
    QStringList cols;
    QVariantList values;
    for (int i = 0; i < static_cast<int>(fields_.size()); ++i) {
        if (!dirty_.at(i))
            continue;
        cols << quoteIdent(fields_[static_cast<size_t>(i)].name());
        values << buffer_.at(i);
    }
    qint64 id = rowids_.at(cur_);
    if (state_ == State::Insert) {
        if (cols.isEmpty()) {
            db_->exec(QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoteIdent(table_)));
        } else {
            QStringList marks;
            for (int i = 0; i < cols.size(); ++i)
                marks << QStringLiteral("?");
            db_->execCached(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(quoteIdent(table_), cols.join(u", "), marks.join(u", ")),
                            values);
        }
        id = db_->lastInsertRowid();
        rowids_[cur_] = id;
        insertedAt_ = -1;
    } else if (!cols.isEmpty()) {
        QStringList sets;
        for (const QString &c : cols)
            sets << c + QStringLiteral(" = ?");
        values << id;
        db_->execCached(QStringLiteral("UPDATE %1 SET %2 WHERE _rowid_ = ?").arg(quoteIdent(table_), sets.join(u", ")),
                        values);
    }
    // The buffer holds the values in their stored form already, so a row of plain columns need
    // not be read back; computed columns are.
    const bool computed = std::any_of(fields_.begin(), fields_.end(), [](const Field &f) { return !f.canModify(); });
    cache_.insert(id, computed ? readRow(id) : PackedRow::withChanges(editBase_, buffer_, dirty_));
    state_ = State::Browse;
    editBase_ = PackedRow();
    buffer_.clear();
    dirty_.clear();
    modified_ = false;
    if (!disabled_)
        emit rowChanged(cur_);
    if (afterPost)
        afterPost(*this);
}

void Dataset::cancel()
{
    if (!isEditing())
        return;
    const bool wasInsert = state_ == State::Insert;
    state_ = State::Browse;
    editBase_ = PackedRow();
    buffer_.clear();
    dirty_.clear();
    modified_ = false;
    if (wasInsert) {
        rowids_.remove(insertedAt_);
        insertedAt_ = -1;
        if (cur_ >= rowids_.size())
            cur_ = rowids_.size() - 1;
        eof_ = bof_ = rowids_.isEmpty();
        emitReset();
        emitCurrent();
    } else if (!disabled_) {
        emit rowChanged(cur_);
    }
    if (afterCancel)
        afterCancel(*this);
    if (wasInsert && afterScroll)
        afterScroll(*this);
}

void Dataset::remove()
{
    requireLive("delete");
    if (state_ == State::Insert) {
        cancel();
        return;
    }
    if (cur_ < 0)
        throw SqlError(QStringLiteral("Cannot perform this operation on an empty dataset"), sql_);
    if (state_ == State::Edit)
        cancel();
    if (beforeDelete)
        beforeDelete(*this);
    const qint64 id = rowids_.at(cur_);
    db_->exec(QStringLiteral("DELETE FROM %1 WHERE _rowid_ = ?").arg(quoteIdent(table_)), {id});
    cache_.remove(id);
    rowids_.remove(cur_);
    if (cur_ >= rowids_.size())
        cur_ = rowids_.size() - 1;
    eof_ = rowids_.isEmpty();
    bof_ = cur_ <= 0;
    emitReset();
    emitCurrent();
    if (afterDelete)
        afterDelete(*this);
    if (afterScroll)
        afterScroll(*this);
}

} // namespace store
