#include "printer_choice.h"

#include "app/common/common_routines.h"
#include "paged_surface.h"
#include "store/sjis.h"

#include <QComboBox>
#include <QDateTime>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSpinBox>
#include <QtEndian>

namespace minori {

namespace {
QString g_pdfFolder;
QString g_lastPdf;
SurfaceFactory g_factory;
PrinterDialogs g_defaultDialogs;
PrinterDialogs *g_dialogs = &g_defaultDialogs;
} // namespace

QByteArray PrinterOptions::toBlock() const
{
    const qint32 v[] = {pageSize, landscape, copies, duplex, color, paperSource, resolution};
    QByteArray b;
    for (qint32 x : v) {
        char le[4];
        qToLittleEndian(x, le);
        b.append(le, 4);
    }
    return b;
}

int PrinterOptions::blockSize() { return 7 * 4; }

PrinterOptions PrinterOptions::fromBlock(const QByteArray &block)
{
    PrinterOptions o;
    if (block.size() != blockSize())
        return o;
    auto at = [&](int i) { return qFromLittleEndian<qint32>(block.constData() + 4 * i); };
    o.pageSize = at(0);
    o.landscape = at(1);
    o.copies = std::max(1, at(2));
    o.duplex = at(3);
    o.color = at(4);
    o.paperSource = at(5);
    o.resolution = at(6) > 0 ? at(6) : 600;
    return o;
}

QString pdfPrinterName() { return QStringLiteral("PDFファイル"); }

QStringList installedPrinters()
{
    QStringList out = QPrinterInfo::availablePrinterNames();
    out << pdfPrinterName();
    return out;
}

QString defaultPrinterName()
{
    const QString d = QPrinterInfo::defaultPrinterName();
    return d.isEmpty() ? pdfPrinterName() : d;
}

QString encodePrinterValue(const QString &name, const QByteArray &block)
{
    return QString::asprintf("%04d", sjis::byteLength(name)) + name + QString::fromLatin1(block.toHex().toUpper());
}

bool decodePrinterValue(const QString &value, QString *name, QByteArray *block)
{
    const int n = value.left(4).toInt();
    if (n <= 0)
        return false;
    const QString rest = value.mid(4);
    *name = sjis::leftBytes(rest, n);
    *block = QByteArray::fromHex(rest.mid(name->size()).toLatin1());
    return true;
}

void setPdfOutputFolder(const QString &folder) { g_pdfFolder = folder; }
QString pdfOutputFolder() { return g_pdfFolder; }

QString effectivePdfFolder()
{
    return g_pdfFolder.isEmpty() ? ProgramFilePath(QStringLiteral("PDF")) : g_pdfFolder;
}

QString lastPdfPath() { return g_lastPdf; }

void setSurfaceFactory(SurfaceFactory factory) { g_factory = std::move(factory); }

namespace {

QPageLayout layoutFor(const PrintJobSpec &spec)
{
    const PrinterOptions &o = spec.printer.options;
    QSizeF paper = spec.paperMm.isEmpty() ? QSizeF(210, 297) : spec.paperMm;
    QPageSize size = o.pageSize >= 0 ? QPageSize(QPageSize::PageSizeId(o.pageSize))
                                     : QPageSize(QSizeF(std::min(paper.width(), paper.height()),
                                                        std::max(paper.width(), paper.height())),
                                                 QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    bool landscape = o.landscape >= 0 ? o.landscape == 1 : paper.width() > paper.height();
    return QPageLayout(size, landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
}

QString pdfFileName(const QString &layout)
{
    QString base = layout.isEmpty() ? QStringLiteral("印刷") : layout;
    for (QChar &c : base)
        if (QStringLiteral("\\/:*?\"<>|").contains(c))
            c = u'_';
    return base + u'_' + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_HHmmss_zzz")) +
           QStringLiteral(".pdf");
}

std::unique_ptr<PrintSurface> defaultSurface(const PrintJobSpec &spec)
{
    const bool toPdf = !g_pdfFolder.isEmpty() || spec.printer.name == pdfPrinterName() ||
                       QPrinterInfo::availablePrinterNames().isEmpty() ||
                       !QPrinterInfo::availablePrinterNames().contains(spec.printer.name);
    const int dpi = spec.printer.options.resolution > 0 ? spec.printer.options.resolution : 600;
    if (toPdf) {
        const QString folder = effectivePdfFolder();
        QDir().mkpath(folder);
        const QString name = pdfFileName(spec.layoutName);
        QString path = QDir(folder).filePath(name);
        for (int i = 2; QFileInfo::exists(path); ++i)
            path = QDir(folder).filePath(name.chopped(4) + QStringLiteral("_%1.pdf").arg(i));
        auto *w = new QPdfWriter(path);
        w->setResolution(dpi);
        w->setTitle(spec.layoutName);
        w->setCreator(QStringLiteral("実り直送便"));
        w->setPageLayout(layoutFor(spec));
        g_lastPdf = path;
        auto surface = std::make_unique<PagedSurface>(w, dpi, 0, 0);
        // Unless the program was told to write PDF files, the user learns where they go (once).
        if (g_pdfFolder.isEmpty()) {
            surface->setFinishedNotice(
                QStringLiteral("PDF ファイルに出力しました\r%1").arg(QDir::toNativeSeparators(folder)));
        }
        return surface;
    }
    auto *p = new QPrinter(QPrinter::HighResolution);
    p->setPrinterName(spec.printer.name);
    p->setResolution(dpi);
    const PrinterOptions &o = spec.printer.options;
    QPageLayout pl = layoutFor(spec);
    p->setPageSize(pl.pageSize());
    p->setPageOrientation(pl.orientation());
    p->setCopyCount(o.copies);
    p->setDuplex(QPrinter::DuplexMode(o.duplex));
    p->setColorMode(QPrinter::ColorMode(o.color));
    p->setPaperSource(QPrinter::PaperSource(o.paperSource));
    p->setDocName(spec.layoutName);
    const QRect printable = p->pageLayout().paintRectPixels(p->resolution());
    return std::make_unique<PagedSurface>(p, p->resolution(), printable.left(), printable.top());
}

// The small dialog that stands for the system's print and printer-setup dialogs.
bool choiceDialog(const QString &title, const QString &okText, const QString &layoutName, PrinterChoice &choice)
{
    QDialog d;
    d.setWindowTitle(title);
    auto *form = new QFormLayout(&d);
    auto *printer = new QComboBox(&d);
    printer->addItems(installedPrinters());
    printer->setCurrentText(choice.name);
    auto *paper = new QComboBox(&d);
    paper->addItem(QStringLiteral("用紙設定に合わせる"), -1);
    for (QPageSize::PageSizeId id : {QPageSize::A4, QPageSize::A3, QPageSize::A5, QPageSize::B4, QPageSize::B5,
                                     QPageSize::JisB4, QPageSize::JisB5, QPageSize::Postcard, QPageSize::Letter})
        paper->addItem(QPageSize::name(id), int(id));
    paper->setCurrentIndex(std::max(0, paper->findData(choice.options.pageSize)));
    auto *orientation = new QComboBox(&d);
    orientation->addItem(QStringLiteral("用紙設定に合わせる"), -1);
    orientation->addItem(QStringLiteral("縦"), 0);
    orientation->addItem(QStringLiteral("横"), 1);
    orientation->setCurrentIndex(std::max(0, orientation->findData(choice.options.landscape)));
    auto *copies = new QSpinBox(&d);
    copies->setRange(1, 999);
    copies->setValue(choice.options.copies);
    form->addRow(QStringLiteral("用紙名"), new QLabel(layoutName, &d));
    form->addRow(QStringLiteral("プリンター"), printer);
    form->addRow(QStringLiteral("用紙"), paper);
    form->addRow(QStringLiteral("印刷の向き"), orientation);
    form->addRow(QStringLiteral("部数"), copies);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &d);
    buttons->button(QDialogButtonBox::Ok)->setText(okText);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("ｷｬﾝｾﾙ"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    form->addRow(buttons);
    if (d.exec() != QDialog::Accepted)
        return false;
    choice.name = printer->currentText();
    choice.options.pageSize = paper->currentData().toInt();
    choice.options.landscape = orientation->currentData().toInt();
    choice.options.copies = copies->value();
    return true;
}

} // namespace

std::unique_ptr<PrintSurface> openSurface(const PrintJobSpec &spec)
{
    return g_factory ? g_factory(spec) : defaultSurface(spec);
}

bool PrinterDialogs::printDialog(const QString &layoutName, PrinterChoice &choice)
{
    return choiceDialog(QStringLiteral("印刷"), QStringLiteral("印刷"), layoutName, choice);
}

bool PrinterDialogs::setupDialog(const QString &layoutName, PrinterChoice &choice)
{
    return choiceDialog(QStringLiteral("プリンターの設定"), QStringLiteral("OK"), layoutName, choice);
}

PrinterDialogs &printerDialogs() { return *g_dialogs; }

PrinterDialogs *setPrinterDialogs(PrinterDialogs *d)
{
    PrinterDialogs *old = g_dialogs == &g_defaultDialogs ? nullptr : g_dialogs;
    g_dialogs = d ? d : &g_defaultDialogs;
    return old;
}

} // namespace minori
