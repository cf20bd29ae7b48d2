#include "print_tool_window.h"

#include "print_tool.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace minori {

TfPrintToolWindow::TfPrintToolWindow(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("fPrintTool"));
    auto *top = new QVBoxLayout(this);
    auto *bar = new QHBoxLayout;
    auto *info = new QPushButton(QStringLiteral("プリンター情報取得"), this);
    auto *table = new QPushButton(QStringLiteral("表テスト"), this);
    bar->addWidget(info);
    bar->addWidget(table);
    bar->addStretch();
    top->addLayout(bar);
    auto *memos = new QHBoxLayout;
    info_ = new QPlainTextEdit(this);
    table_ = new QPlainTextEdit(this);
    memos->addWidget(info_);
    memos->addWidget(table_);
    top->addLayout(memos, 1);
    connect(info, &QPushButton::clicked, this, &TfPrintToolWindow::showPrinterInfo);
    connect(table, &QPushButton::clicked, this, &TfPrintToolWindow::tableTest);
    resize(700, 400);
}

void TfPrintToolWindow::showPrinterInfo() { info_->setPlainText(printTool().printerInfo().join(u'\n')); }

void TfPrintToolWindow::tableTest()
{
    const QString columns = QStringLiteral("101:102:103,201:202:203");
    QStringList lines;
    for (int i = 0; i <= 4; ++i)
        for (int j = 0; j <= 2; ++j)
            lines << QString::asprintf("%f", columnListNumber(columns, i, j));
    table_->setPlainText(lines.join(u'\n'));
}

} // namespace minori
