#include "manual_window.h"

#include "app/common/common_routines.h"
#include "app/common/prompter.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace minori {

TfManual::TfManual(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("取扱説明書"));
    auto *v = new QVBoxLayout(this);
    auto *open = new QPushButton(QStringLiteral("取扱説明書"), this);
    open->setMinimumHeight(48);
    connect(open, &QPushButton::clicked, this, &TfManual::openManual);
    v->addWidget(open);
    auto *link = new QLabel(QStringLiteral("<a href=\"https://get.adobe.com/jp/reader/\">PDFを読むソフトのダウンロード</a>"), this);
    link->setTextInteractionFlags(Qt::TextBrowserInteraction);
    link->setOpenExternalLinks(true);
    v->addWidget(link);
    auto *close = new QPushButton(QStringLiteral("閉じる"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    v->addWidget(close);
}

QString TfManual::manualPath() { return ProgramFilePath(QStringLiteral("実り直送便-取扱説明書.pdf")); }

bool TfManual::openManual()
{
    const QString path = manualPath();
    if (!QFileInfo::exists(path)) {
        ShowError(QStringLiteral("取扱説明書のファイルが見つかりません\r%1").arg(QDir::toNativeSeparators(path)));
        return false;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    return true;
}

} // namespace minori
