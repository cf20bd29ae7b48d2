#pragma once
// A surface that keeps every primitive in device units, for tests of the print arithmetic.
// The record outlives the surface (the print tool drops its surface at the end of a job).
#include "print_surface.h"

#include <QList>
#include <QStringList>
#include <QVector>
#include <memory>

namespace minori {

struct RecordedOp {
    enum class Kind { BeginDoc, NewPage, EndDoc, Line, Rect, RoundRect, Arc, Text, Picture };
    Kind kind;
    QVector<int> v;      // coordinates in the order the primitive takes them
    QString text;        // Text
    QSize imageSize;     // Picture
    PrintCanvas canvas;  // pen, brush and font when drawn
};

class Recording {
public:
    using Kind = RecordedOp::Kind;
    QList<RecordedOp> ops;
    QList<RecordedOp> ofKind(Kind k) const;
    QStringList texts() const;
    // The first Text op whose text is t (nullptr when none).
    const RecordedOp *findText(const QString &t) const;
    int pageCount() const;   // 1 after beginDocument, +1 per newPage
};

class RecordingSurface : public PrintSurface {
public:
    using Kind = RecordedOp::Kind;
    RecordingSurface(int dpiX = 600, int dpiY = 600, int offsetX = 0, int offsetY = 0,
                     std::shared_ptr<Recording> log = nullptr)
        : dpiX_(dpiX), dpiY_(dpiY), offX_(offsetX), offY_(offsetY),
          log_(log ? std::move(log) : std::make_shared<Recording>()) {}

    int dpiX() const override { return dpiX_; }
    int dpiY() const override { return dpiY_; }
    int physicalOffsetX() const override { return offX_; }
    int physicalOffsetY() const override { return offY_; }
    bool beginDocument() override;
    void newPage() override;
    bool endDocument() override;
    void line(const PrintCanvas &c, QPoint a, QPoint b) override;
    void rect(const PrintCanvas &c, QPoint a, QPoint b) override;
    void roundRect(const PrintCanvas &c, QPoint a, QPoint b, int cornerW, int cornerH) override;
    void arc(const PrintCanvas &c, QPoint a, QPoint b, QPoint start, QPoint end) override;
    void text(const PrintCanvas &c, QPoint p, const QString &text) override;
    void picture(const PrintCanvas &c, const QRect &dest, const QImage &image) override;

    const std::shared_ptr<Recording> &log() const { return log_; }

private:
    void add(Kind k, QVector<int> v = {}, const PrintCanvas &c = {}, const QString &t = {}, QSize s = {});
    int dpiX_, dpiY_, offX_, offY_;
    std::shared_ptr<Recording> log_;
};

} // namespace minori
