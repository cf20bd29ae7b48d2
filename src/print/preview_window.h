#pragma once
// The preview window "プレビュー": shows a design-mode page, first at a fifth of its pixel
// size, with the scanned form (if any) stretched over it and combined by AND.
#include <QDialog>
#include <QImage>

class QLabel;

namespace minori {

class TfPrintPrevew : public QDialog {
    Q_OBJECT
public:
    explicit TfPrintPrevew(QWidget *parent = nullptr);
    void setPage(const QImage &page, const QImage &background);
    void zoomIn();    // "＋": doubles width and height
    void zoomOut();   // "－": halves them
    QSize displaySize() const { return size_; }
    // The page as displayed (background combined).
    QImage displayed() const;

private:
    void render();
    QImage page_, background_;
    QSize size_;
    QLabel *view_;
};

// Shows the page modally, maximised, until the user closes the window.
void showPreviewWindow(const QImage &page, const QImage &background);

} // namespace minori
