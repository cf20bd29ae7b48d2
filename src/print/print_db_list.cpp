#include "print_db_list.h"

#include "app/common/prompter.h"
#include "app/common/screen_state.h"
#include "print_tool.h"
#include "printer_setting.h"
#include "store/session.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace minori {

TfPrintDbList &printDbList()
{
    static TfPrintDbList *list = new TfPrintDbList;   // lives until the process ends
    return *list;
}

TfPrintDbList::TfPrintDbList(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("印刷設定"));
    auto *top = new QVBoxLayout(this);
    progress_ = new QProgressBar(this);
    top->addWidget(progress_);
    auto *choice = new QGroupBox(QStringLiteral("印刷方法"), this);
    auto *cl = new QVBoxLayout(choice);
    all_ = new QRadioButton(QStringLiteral("全頁(0)"), choice);
    range_ = new QRadioButton(QStringLiteral("頁指定"), choice);
    cl->addWidget(all_);
    cl->addWidget(range_);
    top->addWidget(choice);
    rangeBox_ = new QGroupBox(QStringLiteral("印刷範囲"), this);
    auto *rl = new QHBoxLayout(rangeBox_);
    from_ = new QSpinBox(rangeBox_);
    to_ = new QSpinBox(rangeBox_);
    for (QSpinBox *s : {from_, to_})
        s->setRange(0, 99999);
    rl->addWidget(from_);
    rl->addWidget(new QLabel(QStringLiteral("～"), rangeBox_));
    rl->addWidget(to_);
    top->addWidget(rangeBox_);
    print_ = new QPushButton(QStringLiteral("印刷"), this);
    top->addWidget(print_);
    connect(all_, &QRadioButton::toggled, this, &TfPrintDbList::updateRangeVisible);
    connect(print_, &QPushButton::clicked, this, [this] {
        if (printChosen())
            accept();
    });
    all_->setChecked(true);
    updateRangeVisible();
}

TfPrintDbList::~TfPrintDbList() = default;

void TfPrintDbList::updateRangeVisible() { rangeBox_->setVisible(range_->isChecked()); }

void TfPrintDbList::_ListSetup(const QString &layoutName, int startPage, PageHeader header, const QString &columns,
                               const QString &sql, const QString &dataFolder, int rowsPerPage, double fontRatio,
                               double rowHeight, double charWidth, double top, double left, int endPage)
{
    _ListSetupFull(layoutName, startPage, endPage, std::move(header), columns, sql, dataFolder, rowsPerPage, 0, 0.5,
                   0, fontRatio, rowHeight, rowHeight != 0 ? charWidth / rowHeight : 0, top, left);
}

void TfPrintDbList::_ListSetupFull(const QString &layoutName, int startPage, int endPage, PageHeader header,
                                   const QString &columns, const QString &sql, const QString &dataFolder,
                                   int rowsPerPage, double cornerRatio, double textPosRatio, double paddingRatio,
                                   double fontRatio, double rowHeight, double charWidthRatio, double top,
                                   double left)
{
    job_ = Job{layoutName, startPage, endPage, std::move(header), columns, sql, dataFolder,
               rowsPerPage > 0 ? rowsPerPage : 1, cornerRatio, textPosRatio, paddingRatio, fontRatio, rowHeight,
               charWidthRatio, top, left};
    QString error;
    columnsOk_ = parseListColumns(columns, &columns_, &error);
    if (!columnsOk_)
        ShowError(error);
}

store::Database &TfPrintDbList::database()
{
    const QString folder = job_.folder;
    if (folder.isEmpty() || !store::Session::isOpen() ||
        QDir(folder).absolutePath() == QDir(store::Session::dataFolder()).absolutePath())
        return store::Session::data();
    if (!ownDb_ || ownDb_->path() != QDir(folder).filePath(QStringLiteral("minori.db")))
        ownDb_ = std::make_unique<store::Database>(QDir(folder).filePath(QStringLiteral("minori.db")), true);
    return *ownDb_;
}

bool TfPrintDbList::prepare()
{
    printed_ = false;
    rows_ = 0;
    pages_ = 0;
    if (columnsOk_) {
        rows_ = database().scalar(QStringLiteral("SELECT COUNT(*) FROM (%1)").arg(job_.sql)).toInt();
        pages_ = rows_ / job_.rowsPerPage + (rows_ % job_.rowsPerPage ? 1 : 0);
    }
    all_->setText(QStringLiteral("全頁(%1)").arg(pages_));
    from_->setValue(1);
    to_->setValue(1);
    all_->setChecked(true);
    updateRangeVisible();
    ResetProgress(progress_, rows_);
    return columnsOk_;
}

void TfPrintDbList::chooseAll() { all_->setChecked(true); }

void TfPrintDbList::chooseRange(int from, int to)
{
    range_->setChecked(true);
    from_->setValue(from);
    to_->setValue(to);
}

int TfPrintDbList::exec()
{
    prepare();
    return QDialog::exec();
}

void TfPrintDbList::_ListPrint()
{
    prepare();
    printChosen();
}

bool TfPrintDbList::printChosen()
{
    int from = 0, to = 0;
    if (range_->isChecked()) {
        from = from_->value();
        to = to_->value();
        if (from == 0) {
            ShowError(QStringLiteral("印刷開始を指定してください"));
            return false;
        }
        if (to == 0) {
            ShowError(QStringLiteral("印刷終了を指定してください"));
            return false;
        }
    }
    if (!columnsOk_)
        return false;
    for (QWidget *w : {static_cast<QWidget *>(all_), static_cast<QWidget *>(range_),
                       static_cast<QWidget *>(rangeBox_), static_cast<QWidget *>(print_)})
        w->setEnabled(false);
    const bool ok = printPages(from, to);
    for (QWidget *w : {static_cast<QWidget *>(all_), static_cast<QWidget *>(range_),
                       static_cast<QWidget *>(rangeBox_), static_cast<QWidget *>(print_)})
        w->setEnabled(true);
    return ok;
}

bool TfPrintDbList::printPages(int from, int to)
{
    if (!_PrnStart(job_.layout))
        return false;
    TfPrintTool &tool = printTool();
    const QString tableColumns = tableColumnList(columns_);
    store::Statement st = database().prepare(job_.sql);
    // Where each column's value sits in the result (-1: not a column of the query).
    QList<int> index;
    for (const ListColumn &c : columns_) {
        int found = -1;
        for (int i = 0; i < st.columnCount() && found < 0; ++i)
            if (st.columnName(i).compare(c.source, Qt::CaseInsensitive) == 0)
                found = i;
        index << found;
    }
    const bool all = from == 0 && to == 0;
    tool._DocBegin();
    int page = 1, r = 0, lno = 0;
    bool anyPage = false;
    while (st.step()) {
        ++lno;
        if (all || (from <= page && page <= to)) {
            if (r == 0) {
                if (anyPage)
                    tool._NewPage();
                anyPage = true;
                if (job_.header)
                    job_.header(page, pages_);
                tool.setBrushColor(kLightCyan);
                tool._HyoSet(job_.left, job_.top, job_.charRatio, job_.rowHeight, job_.font, job_.padding,
                             job_.textPos, job_.corner, job_.rowsPerPage + 1, tableColumns);
                tool._HyoRowFill(0);
                tool._HyoWaku();
                for (int c = 0; c < columns_.size(); ++c)
                    tool._HyoText(0, c, columns_[c].heading);
            }
            for (int c = 0; c < columns_.size(); ++c) {
                const ListColumn &col = columns_[c];
                QString text;
                if (col.source.startsWith(u'$'))
                    text = listCellText(col, QVariant(), lno);
                else if (index[c] < 0)
                    text = QStringLiteral("err");
                else
                    text = listCellText(col, st.isNull(index[c]) ? QVariant() : st.value(index[c]), lno);
                tool._HyoText(r + 1, c, text);
            }
        } else if (!all && page > to) {
            break;
        }
        progress_->setValue(lno);
        if (lno % 64 == 0)
            QApplication::processEvents();
        if (++r == job_.rowsPerPage) {
            r = 0;
            ++page;
        }
    }
    tool._DocEnd();
    printed_ = true;
    return true;
}

} // namespace minori
