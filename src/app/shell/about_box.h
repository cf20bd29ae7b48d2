#pragma once
#include <QDialog>

class QLabel;

namespace minori {

// The about box: product name, version and the postal dictionary's date.
class TfVersion : public QDialog {
    Q_OBJECT
public:
    explicit TfVersion(QWidget *parent = nullptr);
    QString dictionaryLine() const;

private:
    QLabel *dateLabel_;
};

} // namespace minori
