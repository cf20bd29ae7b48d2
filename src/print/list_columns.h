#pragma once
// The column list of the list printer: "source:heading:width:kind:decimals:style,...".
#include <QList>
#include <QString>
#include <QVariant>

namespace minori {

struct ListColumn {
    QString source;      // a column of the query, "$SPC" (empty) or "$LNO" (running row number)
    QString heading;
    int width = 10;      // cells, one byte each
    QString kind;        // "S" text, "F" number
    int decimals = 0;
    QString style;       // "N" plain, "C" thousands commas, "T" plain with digit-group lines
};

// Parses the list; on failure returns false with the message in *error and the columns parsed so far.
bool parseListColumns(const QString &text, QList<ListColumn> *columns, QString *error);

// The column list of the printed table ("w[:1:d]," per column).
QString tableColumnList(const QList<ListColumn> &columns);

// The text of one cell: value of the column (invalid QVariant for null), lno the running row
// number. "err" when the value cannot be read as the column asks.
QString listCellText(const ListColumn &column, const QVariant &value, int lno);

} // namespace minori
