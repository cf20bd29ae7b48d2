#pragma once
// The drawing surface behind the print tool. Every coordinate reaching a surface is already
// in device units; the surface only draws. Back ends: a printer or PDF file (paged_surface.h),
// the design-mode preview page (also paged_surface.h) and a recording surface for tests.
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

namespace minori {

// Pen, brush and font as documents set them on the canvas.
struct PrintCanvas {
    struct Pen {
        int width = 1;                       // device units
        Qt::PenStyle style = Qt::SolidLine;  // solid, dotted or invisible (NoPen)
        QColor color = Qt::black;
    } pen;
    struct Brush {
        QColor color = Qt::white;
        Qt::BrushStyle style = Qt::SolidPattern;   // SolidPattern or NoBrush (clear)
    } brush;
    struct Font {
        QString name;                        // as documents name it ("ＭＳ ゴシック")
        int height = 0;                      // cell height in device units
        QColor color = Qt::black;
    } font;
};

// The tint documents use for heading rows and columns.
inline const QColor kLightCyan{230, 255, 255};

class PrintSurface {
public:
    virtual ~PrintSurface() = default;

    virtual int dpiX() const = 0;
    virtual int dpiY() const = 0;
    // Unprintable margins at the paper's top-left corner, in device units.
    virtual int physicalOffsetX() const { return 0; }
    virtual int physicalOffsetY() const { return 0; }

    virtual bool beginDocument() { return true; }
    virtual void newPage() {}
    // False when the job could not be written.
    virtual bool endDocument() { return true; }

    // Rectangles are given by their two corners as the document passed them.
    virtual void line(const PrintCanvas &c, QPoint a, QPoint b) = 0;
    virtual void rect(const PrintCanvas &c, QPoint a, QPoint b) = 0;   // filled, with outline
    virtual void roundRect(const PrintCanvas &c, QPoint a, QPoint b, int cornerW, int cornerH) = 0;
    // Arc of the ellipse bounded by a-b, counter-clockwise from the ray toward start to the ray toward end.
    virtual void arc(const PrintCanvas &c, QPoint a, QPoint b, QPoint start, QPoint end) = 0;
    // Text with its cell's top-left corner at p, background left as it is.
    virtual void text(const PrintCanvas &c, QPoint p, const QString &text) = 0;
    // The picture stretched into dest, combined with the page by source AND destination.
    virtual void picture(const PrintCanvas &c, const QRect &dest, const QImage &image) = 0;
};

// The installed face that stands for a face name documents use.
QString substituteFontFamily(const QString &name);

} // namespace minori
