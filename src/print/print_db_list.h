#pragma once
// The list printer "印刷設定": prints the rows of a query as a ruled table, a fixed number of
// rows per page, with a shaded heading row and a page header drawn by the caller.
//
//   auto &list = printDbList();
//   list._ListSetup("A4縦", 0, header, "品番::13,品名::32,定価::7:F", sql, DataFolderPath(),
//                   50, 0.8, 5, 2.3, 10, 0, 0);
//   list.exec();            // the window: all pages or a page range
//   // or list._ListPrint(); // all pages at once
//   if (list.printed()) ...
#include "list_columns.h"

#include <QDialog>
#include <functional>
#include <memory>

class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace store {
class Database;
}

namespace minori {

// Draws the top of a page with the print tool's commands: (page number, page count).
using PageHeader = std::function<void(int page, int pages)>;

class TfPrintDbList : public QDialog {
    Q_OBJECT
public:
    explicit TfPrintDbList(QWidget *parent = nullptr);
    ~TfPrintDbList() override;

    void _ListSetup(const QString &layoutName, int startPage, PageHeader header, const QString &columns,
                    const QString &sql, const QString &dataFolder, int rowsPerPage, double fontRatio,
                    double rowHeight, double charWidth, double top, double left, int endPage);
    void _ListSetupFull(const QString &layoutName, int startPage, int endPage, PageHeader header,
                        const QString &columns, const QString &sql, const QString &dataFolder, int rowsPerPage,
                        double cornerRatio, double textPosRatio, double paddingRatio, double fontRatio,
                        double rowHeight, double charWidthRatio, double top, double left);
    // Prepares and prints every page without showing the window.
    void _ListPrint();
    // Shows the window (modal) after preparing.
    int exec() override;

    bool printed() const { return printed_; }
    bool columnsOk() const { return columnsOk_; }
    const QList<ListColumn> &columns() const { return columns_; }
    int rowCount() const { return rows_; }
    int pageCount() const { return pages_; }

    // What the window does, for callers and tests: prepare on opening, then print with the
    // chosen pages ("全頁" or "頁指定" from-to).
    bool prepare();
    void chooseAll();
    void chooseRange(int from, int to);
    // "印刷": false when nothing was printed (a missing page number, a failed list, a cancel).
    bool printChosen();
    QRadioButton *allChoice() const { return all_; }
    QRadioButton *rangeChoice() const { return range_; }
    QGroupBox *rangeBox() const { return rangeBox_; }

private:
    bool printPages(int from, int to);
    store::Database &database();
    void updateRangeVisible();

    struct Job {
        QString layout;
        int start = 0, end = 0;
        PageHeader header;
        QString columnText, sql, folder;
        int rowsPerPage = 50;
        double corner = 0, textPos = 0.5, padding = 0, font = 0.8, rowHeight = 5, charRatio = 0.46, top = 0,
               left = 0;
    } job_;
    QList<ListColumn> columns_;
    bool columnsOk_ = false;
    bool printed_ = false;
    int rows_ = 0, pages_ = 0;
    std::unique_ptr<store::Database> ownDb_;

    QRadioButton *all_, *range_;
    QGroupBox *rangeBox_;
    QSpinBox *from_, *to_;
    QPushButton *print_;
    QProgressBar *progress_;
};

// The one list printer of the program.
TfPrintDbList &printDbList();

} // namespace minori
