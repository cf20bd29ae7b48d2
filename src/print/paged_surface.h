#pragma once
// Surfaces that draw with QPainter: a printer or PDF file (PagedSurface) and the design-mode
// preview page (ImageSurface).
#include "print_surface.h"

#include <QPainter>
#include <memory>

class QPagedPaintDevice;

namespace minori {

class PainterSurface : public PrintSurface {
public:
    void line(const PrintCanvas &c, QPoint a, QPoint b) override;
    void rect(const PrintCanvas &c, QPoint a, QPoint b) override;
    void roundRect(const PrintCanvas &c, QPoint a, QPoint b, int cornerW, int cornerH) override;
    void arc(const PrintCanvas &c, QPoint a, QPoint b, QPoint start, QPoint end) override;
    void text(const PrintCanvas &c, QPoint p, const QString &text) override;
    void picture(const PrintCanvas &c, const QRect &dest, const QImage &image) override;

protected:
    virtual QPaintDevice *device() = 0;
    // True when the device composes pictures by raster operations (an image); printers and PDF
    // files get the picture with its white made transparent instead.
    virtual bool rasterOps() const { return false; }
    // The painter, begun on the device on first use.
    QPainter &painter();
    bool painting() const { return painter_.isActive(); }
    void finish();

private:
    void usePen(const PrintCanvas &c);
    void useBrush(const PrintCanvas &c);
    QPainter painter_;
    QString fontKey_;
    int ascent_ = 0;
};

// A printer (QPrinter) or a PDF file (QPdfWriter). Nothing is sent when nothing was drawn.
class PagedSurface : public PainterSurface {
public:
    // device: owned. offsets: unprintable margins in device units.
    PagedSurface(QPagedPaintDevice *device, int dpi, int offsetX, int offsetY);
    ~PagedSurface() override;
    int dpiX() const override { return dpi_; }
    int dpiY() const override { return dpi_; }
    int physicalOffsetX() const override { return offX_; }
    int physicalOffsetY() const override { return offY_; }
    void newPage() override;
    bool endDocument() override;
    int pagesDrawn() const { return pages_; }
    // A message shown (once in the program's life) when a job has ended with something drawn.
    void setFinishedNotice(const QString &text) { notice_ = text; }

protected:
    QPaintDevice *device() override;

private:
    std::unique_ptr<QPagedPaintDevice> device_;
    int dpi_, offX_, offY_;
    int pages_ = 0;
    QString notice_;
};

// The preview page: an image of the paper at the design magnification.
class ImageSurface : public PainterSurface {
public:
    ImageSurface(int width, int height, int dpi);
    ~ImageSurface() override;
    int dpiX() const override { return dpi_; }
    int dpiY() const override { return dpi_; }
    bool endDocument() override;
    // The page as drawn so far (the painter is ended first).
    QImage image();

protected:
    QPaintDevice *device() override { return &image_; }
    bool rasterOps() const override { return true; }

private:
    QImage image_;
    int dpi_;
};

} // namespace minori
