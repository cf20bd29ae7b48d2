#include "preview_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>

namespace minori {

TfPrintPrevew::TfPrintPrevew(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("プレビュー"));
    auto *top = new QVBoxLayout(this);
    auto *bar = new QHBoxLayout;
    auto *plus = new QPushButton(QStringLiteral("＋"), this);
    auto *minus = new QPushButton(QStringLiteral("－"), this);
    auto *close = new QPushButton(QStringLiteral("閉じる"), this);
    plus->setObjectName(QStringLiteral("ButtonPlus"));
    minus->setObjectName(QStringLiteral("ButtonMinus"));
    close->setObjectName(QStringLiteral("ButtonClose"));
    bar->addWidget(plus);
    bar->addWidget(minus);
    bar->addStretch();
    bar->addWidget(close);
    top->addLayout(bar);
    auto *scroll = new QScrollArea(this);
    auto *canvas = new QWidget;
    canvas->setStyleSheet(QStringLiteral("background: #808080"));
    view_ = new QLabel(canvas);
    view_->move(50, 50);
    scroll->setWidget(canvas);
    top->addWidget(scroll, 1);
    connect(plus, &QPushButton::clicked, this, &TfPrintPrevew::zoomIn);
    connect(minus, &QPushButton::clicked, this, &TfPrintPrevew::zoomOut);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);   // Escape closes as well
}

void TfPrintPrevew::setPage(const QImage &page, const QImage &background)
{
    page_ = page;
    background_ = background;
    size_ = page.size() / 5;
    render();
}

void TfPrintPrevew::zoomIn()
{
    size_ = QSize(size_.width() * 2, size_.height() * 2);
    render();
}

void TfPrintPrevew::zoomOut()
{
    size_ = QSize(size_.width() / 2, size_.height() / 2);
    render();
}

QImage TfPrintPrevew::displayed() const
{
    if (page_.isNull() || size_.isEmpty())
        return QImage();
    QImage out = page_.scaled(size_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(
        QImage::Format_RGB32);
    if (!background_.isNull()) {
        QPainter p(&out);
        p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        p.drawImage(out.rect(), background_.convertToFormat(QImage::Format_RGB32));
    }
    return out;
}

void TfPrintPrevew::render()
{
    const QImage img = displayed();
    view_->setPixmap(QPixmap::fromImage(img));
    view_->resize(img.size());
    if (QWidget *canvas = view_->parentWidget())
        canvas->resize(img.width() + 100, img.height() + 100);
}

void showPreviewWindow(const QImage &page, const QImage &background)
{
    TfPrintPrevew w;
    w.setPage(page, background);
    w.setWindowState(Qt::WindowMaximized);
    w.exec();
}

} // namespace minori
