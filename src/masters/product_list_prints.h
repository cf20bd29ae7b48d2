#pragma once
// The list prints ("一覧表印刷") of the product, classification and payment-kind masters on
// the list printer: each list's header, layout, rows and table geometry.
#include <QList>
#include <QString>

namespace minori {

class TfPrintDbList;

struct MasterListPrint {
    QString command;        // the menu caption
    QString headerFormat;   // "%s" the date and time to the minute, "%d/%d" page and page count
    bool full;              // set up with the full geometry (landscape lists)
    QString layout;         // printer layout name
    QString sql;
    QString columns;        // the list printer's column list
    int rowsPerPage;
};

// The lists of a master table: msyohin (two), msyobun, mbunrui, mnyukin.
QList<MasterListPrint> masterListPrints(const QString &table);
// The header line of a page.
QString masterListHeader(const QString &format, const QString &now, int page, int pages);
// Gives the list printer the job (all pages).
void setUpMasterList(TfPrintDbList &printer, const MasterListPrint &list);
// Sets the job up and shows the list printer's window.
void showMasterList(const MasterListPrint &list);

} // namespace minori
