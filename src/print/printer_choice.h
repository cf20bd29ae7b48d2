#pragma once
// Which printer serves a job and with which options, and how that choice is kept in the
// settings store: "%04d" byte length of the printer name, the name, then the options block
// as upper-case hexadecimal, nothing in between.
//
// A machine without printers, or a program started with --print-to-pdf DIR, writes jobs as
// PDF files; the PDF writer is listed as one more printer.
#include <QByteArray>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace minori {

class PrintSurface;

// The options saved with a printer choice. pageSize -1 means the paper of the layout.
struct PrinterOptions {
    int pageSize = -1;       // QPageSize::PageSizeId
    int landscape = -1;      // -1 as the layout's paper, 0 portrait, 1 landscape
    int copies = 1;
    int duplex = 0;          // QPrinter::DuplexMode
    int color = 1;           // QPrinter::ColorMode
    int paperSource = 0;     // QPrinter::PaperSource
    int resolution = 600;

    QByteArray toBlock() const;
    static PrinterOptions fromBlock(const QByteArray &block);
    static int blockSize();
    bool operator==(const PrinterOptions &o) const = default;
};

struct PrinterChoice {
    QString name;
    PrinterOptions options;
};

// The name under which the PDF writer is listed.
QString pdfPrinterName();
// Installed printers, then the PDF writer.
QStringList installedPrinters();
QString defaultPrinterName();

// Settings-store value of a choice, and back (false when the value has no name).
QString encodePrinterValue(const QString &name, const QByteArray &block);
bool decodePrinterValue(const QString &value, QString *name, QByteArray *block);

// Folder that receives every job as a PDF file (--print-to-pdf); empty: printers are used.
void setPdfOutputFolder(const QString &folder);
QString pdfOutputFolder();
// Folder for PDF files when the PDF writer is chosen or no printer is installed.
QString effectivePdfFolder();

// What a job needs to open its surface.
struct PrintJobSpec {
    QString layoutName;
    PrinterChoice printer;
    QSizeF paperMm;          // the layout's paper, or empty
};
// Opens the surface of a job (a printer or a PDF file). Replaceable for tests.
using SurfaceFactory = std::function<std::unique_ptr<PrintSurface>(const PrintJobSpec &spec)>;
void setSurfaceFactory(SurfaceFactory factory);   // empty restores the default
std::unique_ptr<PrintSurface> openSurface(const PrintJobSpec &spec);
// Path of the last PDF file written (empty when none).
QString lastPdfPath();

// The print dialog and the printer-setup dialog. Replaceable for tests.
class PrinterDialogs {
public:
    virtual ~PrinterDialogs() = default;
    // Both may change the choice; false when the user cancels.
    virtual bool printDialog(const QString &layoutName, PrinterChoice &choice);
    virtual bool setupDialog(const QString &layoutName, PrinterChoice &choice);
};
PrinterDialogs &printerDialogs();
PrinterDialogs *setPrinterDialogs(PrinterDialogs *d);   // nullptr restores the default

} // namespace minori
