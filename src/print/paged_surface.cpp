#include "paged_surface.h"

#include "app/common/prompter.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QHash>
#include <QPagedPaintDevice>
#include <QtMath>
#include <cmath>

namespace minori {

QString substituteFontFamily(const QString &name)
{
    // Where the Windows faces are installed they are used as they are.
    static const QStringList installed = QFontDatabase::families();
    const QString face = name.isEmpty() ? QStringLiteral("ＭＳ ゴシック") : name;
    if (installed.contains(face))
        return face;
    static const QHash<QString, QString> ipa = {
        {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic")},
        {QStringLiteral("ＭＳ 明朝"), QStringLiteral("IPAMincho")},
        {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")},
        {QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("IPAPMincho")},
        {QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic")},
        {QStringLiteral("MS Mincho"), QStringLiteral("IPAMincho")},
    };
    return ipa.value(face, face);
}

QPainter &PainterSurface::painter()
{
    if (!painter_.isActive()) {
        painter_.begin(device());
        painter_.setRenderHint(QPainter::Antialiasing, !rasterOps());
        painter_.setRenderHint(QPainter::TextAntialiasing, true);
        painter_.setBackgroundMode(Qt::TransparentMode);
        fontKey_.clear();
    }
    return painter_;
}

void PainterSurface::finish()
{
    if (painter_.isActive())
        painter_.end();
}

void PainterSurface::usePen(const PrintCanvas &c)
{
    QPen pen(c.pen.color);
    pen.setWidth(std::max(1, c.pen.width));
    pen.setStyle(c.pen.style);
    if (c.pen.style == Qt::DotLine) {
        // Dots of a quarter millimetre, as a printer's dotted pen shows them, whatever the resolution.
        const qreal dot = std::max(1.0, dpiY() * 0.25 / 25.4) / std::max(1, c.pen.width);
        pen.setDashPattern({dot, dot});
    }
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    painter().setPen(pen);
}

void PainterSurface::useBrush(const PrintCanvas &c)
{
    painter().setBrush(c.brush.style == Qt::NoBrush ? QBrush(Qt::NoBrush) : QBrush(c.brush.color, c.brush.style));
}

void PainterSurface::line(const PrintCanvas &c, QPoint a, QPoint b)
{
    usePen(c);
    painter().drawLine(a, b);
}

static QRect between(QPoint a, QPoint b) { return QRect(a, b - QPoint(1, 1)).normalized(); }

void PainterSurface::rect(const PrintCanvas &c, QPoint a, QPoint b)
{
    usePen(c);
    useBrush(c);
    painter().drawRect(between(a, b));
}

void PainterSurface::roundRect(const PrintCanvas &c, QPoint a, QPoint b, int cornerW, int cornerH)
{
    usePen(c);
    useBrush(c);
    // The corner ellipse's width and height are given; Qt takes its radii.
    painter().drawRoundedRect(between(a, b), cornerW / 2.0, cornerH / 2.0, Qt::AbsoluteSize);
}

void PainterSurface::arc(const PrintCanvas &c, QPoint a, QPoint b, QPoint start, QPoint end)
{
    usePen(c);
    const QRectF r = QRectF(a, b).normalized();
    const QPointF m = r.center();
    const double rx = std::max(r.width() / 2, 1.0), ry = std::max(r.height() / 2, 1.0);
    // Angles of the rays, as parameters of the ellipse, counter-clockwise from 3 o'clock.
    auto angle = [&](QPoint p) {
        return qRadiansToDegrees(std::atan2(-(p.y() - m.y()) / ry, (p.x() - m.x()) / rx));
    };
    const double s = angle(start);
    double span = angle(end) - s;
    while (span <= 0)
        span += 360;
    painter().drawArc(r, qRound(s * 16), qRound(span * 16));
}

void PainterSurface::text(const PrintCanvas &c, QPoint p, const QString &t)
{
    QPainter &pt = painter();
    const QString key = c.font.name + u'\x1f' + QString::number(c.font.height);
    if (key != fontKey_) {
        QFont f(substituteFontFamily(c.font.name));
        f.setPixelSize(std::max(1, c.font.height));
        f.setHintingPreference(QFont::PreferNoHinting);
        f.setKerning(false);
        pt.setFont(f);
        ascent_ = QFontMetrics(pt.font(), pt.device()).ascent();
        fontKey_ = key;
    }
    pt.setPen(c.font.color);
    pt.drawText(QPoint(p.x(), p.y() + ascent_), t);
}

void PainterSurface::picture(const PrintCanvas &, const QRect &dest, const QImage &image)
{
    QPainter &pt = painter();
    if (rasterOps()) {
        pt.save();
        pt.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        pt.drawImage(dest, image.convertToFormat(QImage::Format_RGB32));
        pt.restore();
        return;
    }
    // Printers and PDF files have no raster operations: white lets the page show through.
    QImage img = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if (qRed(row[x]) > 245 && qGreen(row[x]) > 245 && qBlue(row[x]) > 245)
                row[x] = qRgba(0, 0, 0, 0);
    }
    pt.drawImage(dest, img);
}

PagedSurface::PagedSurface(QPagedPaintDevice *device, int dpi, int offsetX, int offsetY)
    : device_(device), dpi_(dpi), offX_(offsetX), offY_(offsetY)
{
}

PagedSurface::~PagedSurface() { finish(); }

QPaintDevice *PagedSurface::device()
{
    if (pages_ == 0)
        pages_ = 1;
    return device_.get();
}

void PagedSurface::newPage()
{
    painter();   // a page with nothing drawn on it still counts
    device_->newPage();
    ++pages_;
}

bool PagedSurface::endDocument()
{
    finish();
    static bool told = false;
    if (pages_ > 0 && !notice_.isEmpty() && !told) {
        told = true;
        ShowInfo(notice_);
    }
    notice_.clear();
    return true;
}

ImageSurface::ImageSurface(int width, int height, int dpi)
    : image_(std::max(1, width), std::max(1, height), QImage::Format_RGB32), dpi_(dpi)
{
    image_.fill(Qt::white);
}

ImageSurface::~ImageSurface() { finish(); }

bool ImageSurface::endDocument()
{
    finish();
    return true;
}

QImage ImageSurface::image()
{
    finish();
    return image_;
}

} // namespace minori
