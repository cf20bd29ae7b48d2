#pragma once
// The splash window shown while the program starts.
#include <QWidget>

class QLabel;

namespace minori {

class TfStartLog : public QWidget {
    Q_OBJECT
public:
    explicit TfStartLog(QWidget *parent = nullptr);
    // The picture it shows: DataEtc/Start.bmp, or DataEtc/Start.jpg when there is no bitmap.
    static QString pictureFile();
    bool hasPicture() const { return hasPicture_; }

private:
    bool hasPicture_ = false;
};

} // namespace minori
