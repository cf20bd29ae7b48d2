#include "recording_surface.h"

namespace minori {

void RecordingSurface::add(Kind k, QVector<int> v, const PrintCanvas &c, const QString &t, QSize s)
{
    log_->ops.append({k, std::move(v), t, s, c});
}

bool RecordingSurface::beginDocument()
{
    add(Kind::BeginDoc);
    return true;
}

void RecordingSurface::newPage() { add(Kind::NewPage); }

bool RecordingSurface::endDocument()
{
    add(Kind::EndDoc);
    return true;
}

void RecordingSurface::line(const PrintCanvas &c, QPoint a, QPoint b)
{
    add(Kind::Line, {a.x(), a.y(), b.x(), b.y()}, c);
}

void RecordingSurface::rect(const PrintCanvas &c, QPoint a, QPoint b)
{
    add(Kind::Rect, {a.x(), a.y(), b.x(), b.y()}, c);
}

void RecordingSurface::roundRect(const PrintCanvas &c, QPoint a, QPoint b, int cornerW, int cornerH)
{
    add(Kind::RoundRect, {a.x(), a.y(), b.x(), b.y(), cornerW, cornerH}, c);
}

void RecordingSurface::arc(const PrintCanvas &c, QPoint a, QPoint b, QPoint s, QPoint e)
{
    add(Kind::Arc, {a.x(), a.y(), b.x(), b.y(), s.x(), s.y(), e.x(), e.y()}, c);
}

void RecordingSurface::text(const PrintCanvas &c, QPoint p, const QString &t)
{
    add(Kind::Text, {p.x(), p.y()}, c, t);
}

void RecordingSurface::picture(const PrintCanvas &c, const QRect &d, const QImage &image)
{
    add(Kind::Picture, {d.x(), d.y(), d.width(), d.height()}, c, {}, image.size());
}

QList<RecordedOp> Recording::ofKind(Kind k) const
{
    QList<RecordedOp> out;
    for (const RecordedOp &op : ops)
        if (op.kind == k)
            out.append(op);
    return out;
}

QStringList Recording::texts() const
{
    QStringList out;
    for (const RecordedOp &op : ops)
        if (op.kind == Kind::Text)
            out << op.text;
    return out;
}

const RecordedOp *Recording::findText(const QString &t) const
{
    for (const RecordedOp &op : ops)
        if (op.kind == Kind::Text && op.text == t)
            return &op;
    return nullptr;
}

int Recording::pageCount() const
{
    int n = 0;
    for (const RecordedOp &op : ops)
        if (op.kind == Kind::BeginDoc || op.kind == Kind::NewPage)
            ++n;
    return n;
}

} // namespace minori
