#pragma once
// One row of a result set packed into a single allocation: values are decoded only when a
// column is read, so walking a wide table costs no more than the columns it looks at.
#include <QByteArray>
#include <QVariant>
#include <QVector>

struct sqlite3_stmt;

namespace store {

class PackedRow {
public:
    PackedRow() = default;
    // Columns first .. first+count-1 of the statement's current row.
    static PackedRow fromStatement(sqlite3_stmt *st, int first, int count);
    static PackedRow fromValues(const QVector<QVariant> &values);
    // base with the columns marked in changed replaced by values (a row of values.size() columns).
    static PackedRow withChanges(const PackedRow &base, const QVector<QVariant> &values, const QVector<bool> &changed);
    static PackedRow nulls(int count);

    int size() const;
    QVariant value(int i) const;
    QVector<QVariant> values() const;
    bool isEmpty() const { return d_.isEmpty(); }

private:
    enum Kind : char { Null = 0, Int = 1, Real = 2, Text = 3, Blob = 4 };
    // Appends one value to the payload and gives its kind.
    static char appendValue(const QVariant &v, QByteArray &payload);
    // Column i as stored: its kind and the byte range of its data in d_.
    struct Cell {
        char kind;
        int start;
        int end;
    };
    Cell cell(int i) const;
    // Layout: count (int32), then per column kind (char) and end offset (int32), then the data.
    QByteArray d_;
};

} // namespace store
