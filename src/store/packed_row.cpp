#include "packed_row.h"

#include <QVarLengthArray>

#include <cstring>
#include <sqlite3.h>

namespace store {

namespace {
constexpr int kEntry = 5;   // kind + end offset

template <typename T>
void put(char *at, T v) { std::memcpy(at, &v, sizeof v); }

template <typename T>
T get(const char *at)
{
    T v;
    std::memcpy(&v, at, sizeof v);
    return v;
}
} // namespace

PackedRow PackedRow::fromStatement(sqlite3_stmt *st, int first, int count)
{
    // One pass over the columns to learn their kinds and sizes, one to copy: each value is
    // asked of SQLite once.
    struct Cell {
        int kind;
        int bytes;
        const void *data;
    };
    QVarLengthArray<Cell, 64> cells(count);
    int payload = 0;
    for (int i = 0; i < count; ++i) {
        Cell &c = cells[i];
        c.kind = sqlite3_column_type(st, first + i);
        c.bytes = 0;
        c.data = nullptr;
        if (c.kind == SQLITE_TEXT) {
            c.data = sqlite3_column_text(st, first + i);
            c.bytes = sqlite3_column_bytes(st, first + i);
        } else if (c.kind == SQLITE_BLOB) {
            c.data = sqlite3_column_blob(st, first + i);
            c.bytes = sqlite3_column_bytes(st, first + i);
        } else if (c.kind == SQLITE_INTEGER || c.kind == SQLITE_FLOAT) {
            c.bytes = 8;
        }
        payload += c.bytes;
    }
    PackedRow r;
    const int header = 4 + count * kEntry;
    r.d_.resize(header + payload);
    char *p = r.d_.data();
    put<qint32>(p, count);
    int at = header;
    for (int i = 0; i < count; ++i) {
        const Cell &c = cells[i];
        char kind = Null;
        switch (c.kind) {
        case SQLITE_INTEGER:
            kind = Int;
            put<qint64>(p + at, sqlite3_column_int64(st, first + i));
            break;
        case SQLITE_FLOAT:
            kind = Real;
            put<double>(p + at, sqlite3_column_double(st, first + i));
            break;
        case SQLITE_TEXT:
            kind = Text;
            std::memcpy(p + at, c.data, static_cast<size_t>(c.bytes));
            break;
        case SQLITE_BLOB:
            kind = Blob;
            if (c.bytes > 0)
                std::memcpy(p + at, c.data, static_cast<size_t>(c.bytes));
            break;
        default:
            break;
        }
        at += c.bytes;
        p[4 + i * kEntry] = kind;
        put<qint32>(p + 4 + i * kEntry + 1, at);
    }
    return r;
}

char PackedRow::appendValue(const QVariant &v, QByteArray &payload)
{
    if (v.isNull() || !v.isValid())
        return Null;
    switch (v.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::Bool: {
        char b[8];
        put<qint64>(b, v.toLongLong());
        payload.append(b, 8);
        return Int;
    }
    case QMetaType::Double: {
        char b[8];
        put<double>(b, v.toDouble());
        payload.append(b, 8);
        return Real;
    }
    case QMetaType::QByteArray:
        payload.append(v.toByteArray());
        return Blob;
    default:
        payload.append(v.toString().toUtf8());
        return Text;
    }
}

PackedRow PackedRow::fromValues(const QVector<QVariant> &values)
{
    return withChanges(PackedRow(), values, QVector<bool>(values.size(), true));
}

PackedRow PackedRow::withChanges(const PackedRow &base, const QVector<QVariant> &values, const QVector<bool> &changed)
{
    const int count = static_cast<int>(values.size());
    QByteArray payload;
    payload.reserve(base.d_.size());
    QByteArray header(4 + count * kEntry, '\0');
    put<qint32>(header.data(), static_cast<qint32>(count));
    const int headerSize = static_cast<int>(header.size());
    const int baseCount = base.size();
    const char *b = base.d_.constData();
    for (int i = 0; i < count; ++i) {
        char kind = Null;
        if (changed.value(i)) {
            kind = appendValue(values.at(i), payload);
        } else if (i < baseCount) {
            // Unchanged columns are copied as they are stored, without decoding.
            const Cell c = base.cell(i);
            kind = c.kind;
            payload.append(b + c.start, c.end - c.start);
        }
        header[4 + i * kEntry] = kind;
        put<qint32>(header.data() + 4 + i * kEntry + 1, headerSize + static_cast<qint32>(payload.size()));
    }
    PackedRow r;
    r.d_ = header + payload;
    return r;
}

PackedRow PackedRow::nulls(int count) { return fromValues(QVector<QVariant>(count)); }

int PackedRow::size() const { return d_.isEmpty() ? 0 : get<qint32>(d_.constData()); }

PackedRow::Cell PackedRow::cell(int i) const
{
    const char *p = d_.constData();
    const int end = get<qint32>(p + 4 + i * kEntry + 1);
    const int start = i == 0 ? 4 + size() * kEntry : get<qint32>(p + 4 + (i - 1) * kEntry + 1);
    return {p[4 + i * kEntry], start, end};
}

QVariant PackedRow::value(int i) const
{
    if (i < 0 || i >= size())
        return {};
    const char *p = d_.constData();
    const auto [kind, start, end] = cell(i);
    switch (kind) {
    case Int:
        return QVariant(static_cast<qlonglong>(get<qint64>(p + start)));
    case Real:
        return QVariant(get<double>(p + start));
    case Text:
        return QVariant(QString::fromUtf8(p + start, end - start));
    case Blob:
        return QVariant(QByteArray(p + start, end - start));
    default:
        return {};
    }
}

QVector<QVariant> PackedRow::values() const
{
    QVector<QVariant> out(size());
    for (int i = 0; i < out.size(); ++i)
        out[i] = value(i);
    return out;
}

} // namespace store
