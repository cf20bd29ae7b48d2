#pragma once
// The printer layouts of table printer, and _PrnStart with which every document opens its job.
#include <QString>
#include <optional>

namespace minori {

// One row of table printer.
struct PrinterLayout {
    QString name, remark;
    double paperWidth = 0, paperHeight = 0, left = 0, top = 0, leftAdjust = 0, topAdjust = 0;
    double frameWidth = 0, frameHeight = 0;
    bool printDialog = false, designMode = false;
    int magnification = 4;
    bool usePicture = false;
    QString pictureName, pictureMode;
    int number = 0;
};

// The row of the layout name, or nothing.
std::optional<PrinterLayout> readPrinterLayout(const QString &layoutName);

// Opens a job on the layout's printer (or its design-mode preview). False when the layout is
// unknown or the user cancelled the print dialog: the document then prints nothing.
bool _PrnStart(const QString &layoutName);

// The frame test print: the outline of the print frame, always on the printer.
bool printFrameTest(const QString &layoutName);

} // namespace minori
