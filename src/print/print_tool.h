#pragma once
// The print tool: one shared object through which every document draws. Documents pass
// millimetres relative to the current area; the tool converts them to device units by
// truncation and sends them to the printer, a PDF file or the design-mode preview page.
//
// A document prints as: _PrnStart(layout) (printer_setting.h) → _DocBegin → drawing, with
// _NewPage between pages → _DocEnd.
#include "print_surface.h"
#include "printer_choice.h"

#include <QImage>
#include <QStringList>
#include <QVector>
#include <functional>
#include <memory>

namespace minori {

class TfPrintTool {
public:
    TfPrintTool();
    ~TfPrintTool();

    // Job and page control.
    bool _PrinterOpen(const QString &layoutName, bool showDialog, double left, double top, double width,
                      double height);
    bool _PreviewOpen(double paperWidth, double paperHeight, double left, double top, double frameWidth,
                      double frameHeight, double magnification);
    void _DocBegin();
    void _NewPage();
    void _DocEnd();

    // Drawing state. Pen style and brush are set on canvas() directly.
    void _FontName(const QString &name);
    void _FontSize(double mm);
    void _PenWidth(double mm);
    PrintCanvas &canvas() { return canvas_; }
    void setPenStyle(Qt::PenStyle s) { canvas_.pen.style = s; }
    void setBrushColor(const QColor &c) { canvas_.brush.color = c; }
    void setBrushStyle(Qt::BrushStyle s) { canvas_.brush.style = s; }

    // Areas.
    void _AriaClear();
    void _AriaSet(double x, double y, double width, double height);
    bool _AriaChg(int n);
    void _Waku();

    // Lines and shapes.
    void _Line(double x1, double y1, double x2, double y2);
    void _Box(double x1, double y1, double x2, double y2);
    void _Rect(double x1, double y1, double x2, double y2);
    void _RoundRect(double x1, double y1, double x2, double y2, double cornerW, double cornerH);
    void _RoundBox(double x1, double y1, double x2, double y2, double cornerW, double cornerH);
    void _Arc(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4);

    // Text.
    void _TextXY(double x, double y, const QString &text);
    void _TextPitch(double x, double y, const QString &text, double pitch);
    void _TextFit(bool drawBox, double x, double y, double width, double height, const QString &text,
                  double shapeRatio, int vertical, int horizontal);
    void _Locate(double x, double y, double pitch, double spacing);
    void _LocateRight(double x, double y, double pitch, double spacing);
    void _Print(const QString &text);

    // Pictures (files in DataEtc).
    void _Pict(double x, double y, double width, double height, const QString &fileName);

    // Tables.
    void _HyoSet(double left, double top, double charWidthRatio, double rowHeight, double fontRatio,
                 double paddingRatio, double textPosRatio, double cornerRatio, int rowCount, const QString &columns);
    void _HyoWaku();
    void _HyoText(int row, int column, const QString &text);
    void _HyoRowFill(int row);
    void _HyoColFill(int column);
    void _HyoRowBox(int row);

    // Printer choice per layout name.
    bool _PrinterLoad(const QString &layoutName);
    bool _PrinterSave(const QString &layoutName);
    void _PrinterSetup(const QString &layoutName);
    PrinterChoice &selectedPrinter() { return selected_; }

    // The layout's paper size for the next _PrinterOpen (a PDF page or the printer's paper).
    void setPaperHint(double widthMm, double heightMm);
    // Design mode: a picture laid under the page when it is shown (stretched over the paper).
    void setPreviewBackground(const QImage &image) { background_ = image; }

    // Who shows a finished design-mode page; the default is the preview window.
    using PagePresenter = std::function<void(const QImage &page, const QImage &background)>;
    void setPagePresenter(PagePresenter p) { presenter_ = std::move(p); }

    // Inspection.
    bool isPrinting() const { return printing_; }
    bool isOpen() const { return surface_ != nullptr; }
    int dpiX() const { return dpiX_; }
    int dpiY() const { return dpiY_; }
    PrintSurface *surface() const { return surface_.get(); }
    struct Area {
        double width = 0, height = 0, left = 0, top = 0;
    };
    const Area &baseArea() const { return base_; }
    const Area &currentArea() const { return useSub_ ? sub_ : base_; }
    const QStringList &subAreas() const { return subAreas_; }
    int lineCounter() const { return line_; }
    QImage previewPage() const;
    // Device units of a coordinate relative to the current area, and of a length.
    int devX(double x) const;
    int devY(double y) const;
    int lenX(double mm) const;
    int lenY(double mm) const;
    // Five lines about the selected printer for the developer window.
    QStringList printerInfo();

    // Table geometry after _HyoSet (mm, relative to the current area).
    struct Table {
        double left = 0, top = 0, rowHeight = 0, cell = 0, radius = 0, font = 0, across = 0, down = 0, padding = 0;
        int rows = 0;
        struct Column {
            double start = 0, end = 0;
            int width = 0, dotted = 0, clear = 0;
        };
        QVector<Column> columns;
        double right() const { return columns.isEmpty() ? left : columns.last().end; }
        double bottom() const { return top + rows * rowHeight; }
    };
    const Table &table() const { return table_; }

private:
    void reset();
    void startPreviewPage();
    void presentPage();
    void textPitchDev(int x, int y, const QString &text, double pitchDev);
    QPoint pt(double x, double y) const { return QPoint(devX(x), devY(y)); }
    double textWidth(const QString &text, double pitch, double height) const;

    std::unique_ptr<PrintSurface> surface_;
    PrinterChoice selected_;
    QString layout_;
    QSizeF paperHint_;
    bool printing_ = false;
    int dpiX_ = 600, dpiY_ = 600;
    double magnification_ = 0, paperW_ = 0, paperH_ = 0;
    Area base_, sub_;
    bool useSub_ = false;
    QStringList subAreas_;
    double posX_ = 0, posY_ = 0, pitch_ = 3, spacing_ = 6;
    bool right_ = false;
    int line_ = 0;
    PrintCanvas canvas_;
    Table table_;
    QImage background_;
    PagePresenter presenter_;
};

// The one print tool of the program.
TfPrintTool &printTool();

// Reads a table column list "w:s:d,w:s:d,...": number item j of group i, 0 when missing.
double columnListNumber(const QString &columns, int group, int item);

} // namespace minori
