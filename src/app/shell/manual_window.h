#pragma once
#include <QDialog>

namespace minori {

// The manual window: opens the manual PDF of the program folder in the system's viewer.
class TfManual : public QDialog {
    Q_OBJECT
public:
    explicit TfManual(QWidget *parent = nullptr);
    static QString manualPath();
    // Opens the manual; shows the error and returns false when the file is missing.
    bool openManual();
};

} // namespace minori
