#pragma once
// Reads just enough of a SELECT text to tell whether it is a plain single-table query that
// can be opened live, and to split it into its select list, table reference and the rest.
#include <QString>

namespace store {

struct SqlShape {
    bool live = false;       // single table, no grouping, aggregates, DISTINCT or set operations
    QString selectList;      // text between SELECT and FROM
    QString tableRef;        // table name with its alias, as written
    QString table;           // table name without quotes
    QString rest;            // WHERE / ORDER BY / LIMIT ... after the table reference
};

SqlShape analyseSelect(const QString &sql);

} // namespace store
