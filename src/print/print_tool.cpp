#include "print_tool.h"

#include "app/common/common_routines.h"
#include "app/common/prompter.h"
#include "app/common/text_routines.h"
#include "paged_surface.h"
#include "preview_window.h"
#include "store/sjis.h"

#include <QImageReader>
#include <cmath>

namespace minori {

namespace {
constexpr double kMmPerInch = 25.4;
int trunc(double v) { return static_cast<int>(std::trunc(v)); }
} // namespace

TfPrintTool &printTool()
{
    static TfPrintTool tool;
    return tool;
}

double columnListNumber(const QString &columns, int group, int item) { return SubFieldNumber(columns, group, item); }

TfPrintTool::TfPrintTool()
{
    selected_.name = defaultPrinterName();
    canvas_.font.name = QStringLiteral("ＭＳ ゴシック");
}

TfPrintTool::~TfPrintTool() = default;

int TfPrintTool::devX(double x) const { return trunc((currentArea().left + x) * dpiX_ / kMmPerInch); }
int TfPrintTool::devY(double y) const { return trunc((currentArea().top + y) * dpiY_ / kMmPerInch); }
int TfPrintTool::lenX(double mm) const { return trunc(mm * dpiX_ / kMmPerInch); }
int TfPrintTool::lenY(double mm) const { return trunc(mm * dpiY_ / kMmPerInch); }

void TfPrintTool::reset()
{
    canvas_.font.name = QStringLiteral("ＭＳ ゴシック");
    canvas_.font.height = lenY(6);
    canvas_.brush.color = Qt::white;
    posX_ = 0;
    posY_ = 0;
    pitch_ = 3;
    spacing_ = 6;
    right_ = false;
    line_ = 0;
    subAreas_.clear();
    useSub_ = false;
}

void TfPrintTool::setPaperHint(double widthMm, double heightMm) { paperHint_ = QSizeF(widthMm, heightMm); }

// ---- job and page control ----

bool TfPrintTool::_PrinterOpen(const QString &layoutName, bool showDialog, double left, double top, double width,
                               double height)
{
    printing_ = true;
    if (!layoutName.isEmpty())
        _PrinterLoad(layoutName);
    if (showDialog && !printerDialogs().printDialog(layoutName, selected_)) {
        paperHint_ = QSizeF();
        return false;
    }
    base_ = {width, height, left, top};
    surface_ = openSurface({layoutName, selected_, paperHint_});
    paperHint_ = QSizeF();
    layout_ = layoutName;
    dpiX_ = surface_->dpiX();
    dpiY_ = surface_->dpiY();
    base_.left -= surface_->physicalOffsetX() * kMmPerInch / dpiX_;
    base_.top -= surface_->physicalOffsetY() * kMmPerInch / dpiY_;
    reset();
    return true;
}

bool TfPrintTool::_PreviewOpen(double paperWidth, double paperHeight, double left, double top, double frameWidth,
                               double frameHeight, double magnification)
{
    paperW_ = paperWidth;
    paperH_ = paperHeight;
    base_ = {frameWidth, frameHeight, left, top};
    magnification_ = magnification;
    printing_ = false;
    background_ = QImage();
    paperHint_ = QSizeF();
    startPreviewPage();
    return true;
}

void TfPrintTool::startPreviewPage()
{
    const int dpi = trunc(magnification_ * kMmPerInch);
    surface_ = std::make_unique<ImageSurface>(trunc(paperW_ * magnification_), trunc(paperH_ * magnification_), dpi);
    canvas_.pen.width = 3;
    dpiX_ = dpi;
    dpiY_ = dpi;
    reset();
}

QImage TfPrintTool::previewPage() const
{
    auto *img = dynamic_cast<ImageSurface *>(surface_.get());
    return img ? img->image() : QImage();
}

void TfPrintTool::presentPage()
{
    const QImage page = previewPage();
    if (presenter_)
        presenter_(page, background_);
    else
        showPreviewWindow(page, background_);
}

void TfPrintTool::_DocBegin()
{
    if (printing_ && surface_)
        surface_->beginDocument();
}

void TfPrintTool::_NewPage()
{
    if (!surface_)
        return;
    if (printing_) {
        surface_->newPage();
        return;
    }
    presentPage();
    startPreviewPage();
}

void TfPrintTool::_DocEnd()
{
    if (!surface_)
        return;
    if (printing_) {
        if (!surface_->endDocument())
            ShowError(QStringLiteral("印刷できませんでした"));
    } else {
        presentPage();
    }
    surface_.reset();
}

// ---- drawing state ----

void TfPrintTool::_FontName(const QString &name) { canvas_.font.name = name; }
void TfPrintTool::_FontSize(double mm) { canvas_.font.height = lenY(mm); }
void TfPrintTool::_PenWidth(double mm) { canvas_.pen.width = std::max(1, lenY(mm)); }

// ---- areas ----

void TfPrintTool::_AriaClear() { subAreas_.clear(); }

void TfPrintTool::_AriaSet(double x, double y, double width, double height)
{
    subAreas_ << QString::asprintf("%f,%f,%f,%f", x, y, width, height);
}

bool TfPrintTool::_AriaChg(int n)
{
    if (n < -1) {
        ShowError(QStringLiteral("_AriaChg サブエリアの指定が不正です"));
        return false;
    }
    if (n == -1) {
        useSub_ = false;
        return true;
    }
    bool ok = n < subAreas_.size();
    if (!ok) {
        ShowInfo(QStringLiteral("エリアNoが定義されていません(No%1)").arg(n));
    } else {
        const QStringList items = subAreas_.at(n).split(u',');
        double v[4] = {};
        ok = items.size() == 4;
        for (int i = 0; ok && i < 4; ++i)
            v[i] = items.at(i).trimmed().toDouble(&ok);
        if (ok) {
            sub_ = {v[2], v[3], base_.left + v[0], base_.top + v[1]};
            useSub_ = true;
            return true;
        }
    }
    ShowError(QStringLiteral("_AriaChg サブエリアのデータエラー"));
    return false;
}

void TfPrintTool::_Waku()
{
    const Area &a = currentArea();
    _Box(0, 0, a.width, a.height);
}

// ---- lines and shapes ----

void TfPrintTool::_Line(double x1, double y1, double x2, double y2)
{
    if (surface_)
        surface_->line(canvas_, pt(x1, y1), pt(x2, y2));
}

void TfPrintTool::_Box(double x1, double y1, double x2, double y2)
{
    _Line(x1, y1, x2, y1);
    _Line(x2, y1, x2, y2);
    _Line(x2, y2, x1, y2);
    _Line(x1, y2, x1, y1);
}

void TfPrintTool::_Rect(double x1, double y1, double x2, double y2)
{
    if (surface_)
        surface_->rect(canvas_, pt(x1, y1), pt(x2, y2));
}

void TfPrintTool::_RoundRect(double x1, double y1, double x2, double y2, double cornerW, double cornerH)
{
    if (surface_)
        surface_->roundRect(canvas_, pt(x1, y1), pt(x2, y2), lenX(cornerW), lenY(cornerH));
}

void TfPrintTool::_RoundBox(double x1, double y1, double x2, double y2, double cornerW, double cornerH)
{
    const PrintCanvas::Brush saved = canvas_.brush;
    canvas_.brush.style = Qt::NoBrush;
    _RoundRect(x1, y1, x2, y2, cornerW, cornerH);
    canvas_.brush = saved;
}

void TfPrintTool::_Arc(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4)
{
    if (surface_)
        surface_->arc(canvas_, pt(x1, y1), pt(x2, y2), pt(x3, y3), pt(x4, y4));
}

// ---- text ----

void TfPrintTool::_TextXY(double x, double y, const QString &text)
{
    if (surface_)
        surface_->text(canvas_, pt(x, y), text);
}

void TfPrintTool::textPitchDev(int x, int y, const QString &text, double pitchDev)
{
    if (!surface_)
        return;
    int bytes = 0;
    for (int i = 0; i < text.size();) {
        const int len = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString ch = text.mid(i, len);
        if (ch != u" ")   // a blank leaves its cell empty
            surface_->text(canvas_, QPoint(trunc(x + bytes * pitchDev), y), ch);
        bytes += sjis::byteLength(ch);
        i += len;
    }
}

void TfPrintTool::_TextPitch(double x, double y, const QString &text, double pitch)
{
    textPitchDev(devX(x), devY(y), text, pitch * dpiX_ / kMmPerInch);
}

double TfPrintTool::textWidth(const QString &text, double pitch, double height) const
{
    if (text.isEmpty())
        return 0;
    const int n = sjis::byteLength(text);
    const int lastLen = text.size() >= 2 && text.at(text.size() - 1).isLowSurrogate() ? 2 : 1;
    const int last = sjis::byteLength(text.right(lastLen));
    return (n - last) * pitch + last * height / 2;
}

void TfPrintTool::_TextFit(bool drawBox, double x, double y, double w, double h, const QString &text,
                           double shapeRatio, int vertical, int horizontal)
{
    if (drawBox)
        _Box(x, y, x + w, y + h);
    if (text.isEmpty())
        return;
    const int n = sjis::byteLength(text);
    double t = w, pitch = 0, height = 0;
    for (int guard = 0; guard < 1000; ++guard) {
        pitch = t / n;
        height = pitch / shapeRatio;
        const double width = textWidth(text, pitch, height);
        if (width > w)
            t = w - (width - w);
        else
            break;
    }
    if (h < height) {
        height = h;
        pitch = h * shapeRatio;
    }
    double ty = y;
    if (vertical == 1)
        ty = y + (h - height);
    else if (vertical != -1)
        ty = y + (h - height) / 2;
    const double width = textWidth(text, pitch, height);
    double tx = x;
    if (horizontal == 1)
        tx = x + (w - width);
    else if (horizontal != -1)
        tx = x + (w - width) / 2;
    _FontSize(height);
    _TextPitch(tx, ty, text, pitch);
}

void TfPrintTool::_Locate(double x, double y, double pitch, double spacing)
{
    posX_ = x;
    posY_ = y;
    pitch_ = pitch;
    spacing_ = spacing;
    right_ = false;
    line_ = 0;
}

void TfPrintTool::_LocateRight(double x, double y, double pitch, double spacing)
{
    _Locate(x, y, pitch, spacing);
    right_ = true;
}

void TfPrintTool::_Print(const QString &text)
{
    double x = posX_;
    if (right_) {
        if (pitch_ < 1) {
            ShowError(QStringLiteral("Print右詰め\r現在サポートしていないパラメータ"));
            return;
        }
        x = posX_ - sjis::byteLength(text) * pitch_;
    }
    if (spacing_ >= 0) {
        const double y = posY_ + spacing_ * line_;
        if (pitch_ > 0)
            _TextPitch(x, y, text, pitch_);
        else
            _TextXY(x, y, text);
    } else {
        const int y = devY(0) + trunc(line_ * dpiY_ / std::fabs(spacing_));
        if (pitch_ > 0)
            textPitchDev(devX(x), y, text, pitch_ * dpiX_ / kMmPerInch);
        else if (surface_)
            surface_->text(canvas_, QPoint(devX(x), y), text);
    }
    ++line_;
}

// ---- pictures ----

void TfPrintTool::_Pict(double x, double y, double w, double h, const QString &fileName)
{
    if (w == 0 && h == 0) {
        ShowInfo(QStringLiteral("_Pict命令ﾊﾟﾗﾒｰﾀｴﾗｰ"));
        return;
    }
    QImageReader reader(DataEtcFilePath(fileName));
    const QImage image = reader.read();
    if (image.isNull() || image.width() == 0 || image.height() == 0) {
        ShowError(QStringLiteral("画像ファイルが読めません[%1]").arg(fileName));
        return;
    }
    int dw = lenX(w), dh = lenY(h);
    if (dw == 0)
        dw = trunc(h * image.width() / image.height() * dpiX_ / kMmPerInch);
    if (dh == 0)
        dh = trunc(w * image.height() / image.width() * dpiY_ / kMmPerInch);
    if (surface_)
        surface_->picture(canvas_, QRect(devX(x), devY(y), dw, dh), image);
}

// ---- tables ----

void TfPrintTool::_HyoSet(double left, double top, double charWidthRatio, double rowHeight, double fontRatio,
                          double paddingRatio, double textPosRatio, double cornerRatio, int rowCount,
                          const QString &columns)
{
    Table t;
    t.left = left;
    t.top = top;
    t.rowHeight = rowHeight;
    t.cell = rowHeight * charWidthRatio;
    t.radius = rowHeight * cornerRatio;
    t.font = rowHeight * fontRatio;
    t.padding = paddingRatio * rowHeight;
    t.across = t.padding + (t.cell - t.font / 2) / 2;
    t.down = textPosRatio * rowHeight - t.font / 2;
    t.rows = rowCount;
    const int groups = columns.count(u',') + 1;
    int cells = 0;
    for (int i = 0; i < groups; ++i) {
        const int w = trunc(columnListNumber(columns, i, 0));
        if (w <= 0)
            break;
        Table::Column c;
        c.start = t.columns.isEmpty() ? left : t.columns.last().end;
        cells += w;
        c.end = left + cells * t.cell + (i + 1) * 2 * t.padding;
        c.width = w;
        c.dotted = trunc(columnListNumber(columns, i, 1));
        c.clear = trunc(columnListNumber(columns, i, 2));
        t.columns << c;
    }
    table_ = t;
}

void TfPrintTool::_HyoWaku()
{
    const Table &t = table_;
    if (t.radius != 0)
        _RoundBox(t.left, t.top, t.right(), t.bottom(), t.radius, t.radius);
    else
        _Box(t.left, t.top, t.right(), t.bottom());
    for (int i = 1; i < t.columns.size(); ++i)
        _Line(t.columns[i].start, t.top, t.columns[i].start, t.bottom());
    for (int j = 1; j < t.rows; ++j)
        _Line(t.left, t.top + j * t.rowHeight, t.right(), t.top + j * t.rowHeight);
    const Qt::PenStyle saved = canvas_.pen.style;
    canvas_.pen.style = Qt::DotLine;
    for (const Table::Column &c : t.columns) {
        if (c.dotted <= 0)
            continue;
        const double e = (t.cell - t.font / 2) / 2;
        double k = c.end - t.padding;
        const double m = c.start + t.padding + 2 * e;
        if (c.clear > 0)
            k -= (c.clear + 1) * t.cell;
        for (;;) {
            k -= 3 * t.cell;
            if (!(k > m))
                break;
            _Line(k, t.top + t.rowHeight, k, t.bottom());
        }
    }
    canvas_.pen.style = saved;
}

void TfPrintTool::_HyoText(int row, int column, const QString &text)
{
    const Table &t = table_;
    if (column < 0 || column >= t.columns.size())
        return;
    _FontSize(t.font);
    _TextPitch(t.columns[column].start + t.across, t.top + row * t.rowHeight + t.down, text, t.cell);
}

void TfPrintTool::_HyoRowFill(int row)
{
    const Table &t = table_;
    const double top = t.top + row * t.rowHeight, bottom = top + t.rowHeight, r = t.radius;
    if (r == 0 || (row != 0 && row != t.rows - 1)) {
        _Rect(t.left, top, t.right(), bottom);
        return;
    }
    canvas_.pen.style = Qt::NoPen;
    if (row == 0) {
        _RoundRect(t.left, top, t.right(), top + r, r, r);
        _Rect(t.left, top + r / 2, t.right(), bottom);
    } else {
        _RoundRect(t.left, bottom - r, t.right(), bottom, r, r);
        _Rect(t.left, top, t.right(), bottom - r / 2);
    }
    canvas_.pen.style = Qt::SolidLine;
}

void TfPrintTool::_HyoColFill(int column)
{
    const Table &t = table_;
    if (column < 0 || column >= t.columns.size())
        return;
    const double l = t.columns[column].start, rgt = t.columns[column].end, r = t.radius;
    const int last = t.columns.size() - 1;
    if (r == 0 || (column != 0 && column != last)) {
        _Rect(l, t.top, rgt, t.bottom());
        return;
    }
    canvas_.pen.style = Qt::NoPen;
    if (column == 0) {
        _RoundRect(l, t.top, l + r, t.bottom(), r, r);
        _Rect(l + r / 2, t.top, rgt, t.bottom());
    } else {
        _RoundRect(rgt - r, t.top, rgt, t.bottom(), r, r);
        _Rect(l, t.top, rgt - r / 2, t.bottom());
    }
    canvas_.pen.style = Qt::SolidLine;
}

void TfPrintTool::_HyoRowBox(int row)
{
    const Table &t = table_;
    const double top = t.top + row * t.rowHeight, bottom = top + t.rowHeight, r = t.radius;
    const double l = t.left, rt = t.right();
    if (r == 0 || (row != 0 && row != t.rows - 1)) {
        _Box(l, top, rt, bottom);
        return;
    }
    const PrintCanvas::Brush saved = canvas_.brush;
    canvas_.brush.style = Qt::NoBrush;
    const double h = r / 2;
    if (row == 0) {
        _Arc(l, top, l + r, top + r, l + h, top, l, top + h);          // top-left
        _Arc(rt - r, top, rt, top + r, rt, top + h, rt - h, top);      // top-right
        _Line(l + h, top, rt - h, top);
        _Line(l, top + h, l, bottom);
        _Line(rt, top + h, rt, bottom);
        _Line(l, bottom, rt, bottom);
    } else {
        _Arc(l, bottom - r, l + r, bottom, l, bottom - h, l + h, bottom);      // bottom-left
        _Arc(rt - r, bottom - r, rt, bottom, rt - h, bottom, rt, bottom - h);  // bottom-right
        _Line(l, top, rt, top);
        _Line(l, top, l, bottom - h);
        _Line(rt, top, rt, bottom - h);
        _Line(l + h, bottom, rt - h, bottom);
    }
    canvas_.brush = saved;
}

// ---- printer choice ----

bool TfPrintTool::_PrinterLoad(const QString &layoutName)
{
    const QString value = ReadRegistryText(QStringLiteral("PRINTER"), layoutName, QString());
    if (value.isEmpty()) {
        ShowInfo(QStringLiteral("プリンター設定なし"));
        return false;
    }
    QString name;
    QByteArray block;
    if (!decodePrinterValue(value, &name, &block))
        return false;
    bool found = false;
    for (const QString &p : installedPrinters())
        if (TrimRightText(p) == name) {
            name = p;
            found = true;
            break;
        }
    if (!found) {
        ShowInfo(QStringLiteral("プリンターが見つかりません\r(%1)").arg(name));
        return false;
    }
    selected_.name = name;
    if (block.size() == PrinterOptions::blockSize()) {
        selected_.options = PrinterOptions::fromBlock(block);
    } else {
        ShowInfo(QStringLiteral("プリンター設定エラー\r（データ数不一致）\r記録データ数=%1 デバイス数=%2")
                     .arg(block.size())
                     .arg(PrinterOptions::blockSize()));
    }
    return true;
}

bool TfPrintTool::_PrinterSave(const QString &layoutName)
{
    return WriteRegistryText(QStringLiteral("PRINTER"), layoutName,
                             encodePrinterValue(TrimRightText(selected_.name), selected_.options.toBlock()));
}

void TfPrintTool::_PrinterSetup(const QString &layoutName)
{
    _PrinterLoad(layoutName);
    if (printerDialogs().setupDialog(layoutName, selected_))
        _PrinterSave(layoutName);
}

QStringList TfPrintTool::printerInfo()
{
    std::unique_ptr<PrintSurface> probe = openSurface({QString(), selected_, QSizeF()});
    QStringList out;
    out << QStringLiteral("現在のフォント=[%1]").arg(canvas_.font.name)
        << QStringLiteral("DPI-X=%1 (LOGPIXELSX)").arg(probe->dpiX())
        << QStringLiteral("DPI-Y=%1 (LOGPIXELSY)").arg(probe->dpiY())
        << QStringLiteral("物理的印刷不可　水平=%1 (PHYSICALOFFSETX)").arg(probe->physicalOffsetX())
        << QStringLiteral("物理的印刷不可　垂直=%1 (PHYSICALOFFSETY)").arg(probe->physicalOffsetY());
    return out;
}

} // namespace minori
