#include "app/common/common_routines.h"
#include "app/common/prompter.h"
#include "print/printer_setting.h"
#include "print_fixture.h"
#include "store/sjis.h"
#include "temp_home.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace minori;

TEST(PrinterTable, EveryLayoutDocumentsOpenIsThere)
{
    TempHome home;
    const QStringList names = {
        "ヤマト伝票", "ヤマト伝票代引", "ヤマト便", "佐川急便", "佐川急便2010年版", "ゆうパック", "ゆうパック2004年版",
        "ゆうパック2010年版", "ゆうパック2011年版生", "ペリカン便", "ペリカン便2005年版", "ペリカン便2009年版",
        "ペリカン便代引2009年", "明細書", "郵便振込2002年版", "郵便振込2003年版", "郵便振込2007年版",
        "郵便振込2007年版2", "A4縦", "葉書", "宛名ラベル", "B4横", "A4横"};
    for (const QString &n : names) {
        const auto row = readPrinterLayout(n);
        ASSERT_TRUE(row.has_value()) << n.toStdString();
        EXPECT_LE(sjis::byteLength(n), 20);
        // The frame lies on the paper.
        EXPECT_LE(row->left + row->frameWidth, row->paperWidth + 1e-9) << n.toStdString();
        EXPECT_LE(row->top + row->frameHeight, row->paperHeight + 1e-9) << n.toStdString();
        EXPECT_FALSE(row->designMode);
    }
    EXPECT_EQ(home.db().scalar("SELECT COUNT(*) FROM printer").toInt(), names.size());
}

TEST(PrnStart, MarginsAdjustmentsAndDesignMode)
{
    TempHome home;
    ScopedRecordingPrompter p;
    test::RecordingJobs jobs;
    TfPrintTool &tool = printTool();

    EXPECT_FALSE(_PrnStart(QStringLiteral("無い用紙")));
    EXPECT_EQ(p.lastText(), QStringLiteral("プリンターの設定がありません[無い用紙]"));
    EXPECT_EQ(p.shown().back().title, QStringLiteral("エラー"));

    home.db().exec("UPDATE printer SET 左余白=10, 左余白調整=-1.5, 上余白=7, 上余白調整=2 WHERE 名称='A4縦'");
    p.clear();
    ASSERT_TRUE(_PrnStart(QStringLiteral("A4縦")));
    EXPECT_TRUE(tool.isPrinting());
    EXPECT_DOUBLE_EQ(tool.baseArea().left, 8.5);
    EXPECT_DOUBLE_EQ(tool.baseArea().top, 9);
    EXPECT_EQ(p.texts(), QStringList{QStringLiteral("プリンター設定なし")});   // nothing chosen yet
    ASSERT_EQ(jobs.specs.size(), 1);
    EXPECT_EQ(jobs.specs[0].paperMm, QSizeF(210, 297));
    tool._DocBegin();
    tool._DocEnd();

    // Design mode: the preview, without the adjustments; the printer is never reached.
    home.db().exec("UPDATE printer SET 設計画面表示=true WHERE 名称='A4縦'");
    ASSERT_TRUE(_PrnStart(QStringLiteral("A4縦")));
    EXPECT_FALSE(tool.isPrinting());
    EXPECT_DOUBLE_EQ(tool.baseArea().left, 10);
    tool._DocBegin();
    tool._Waku();
    tool._DocEnd();
    EXPECT_EQ(jobs.specs.size(), 1);
    EXPECT_EQ(jobs.shownPages.size(), 1);

    // The frame test prints even so, at margin plus adjustment.
    ASSERT_TRUE(printFrameTest(QStringLiteral("A4縦")));
    ASSERT_EQ(jobs.specs.size(), 2);
    const QList<RecordedOp> lines = jobs.log->ofKind(RecordedOp::Kind::Line);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0].v[0], int(8.5 * 600 / 25.4));
    EXPECT_EQ(lines[1].v[0], int((8.5 + 190) * 600 / 25.4));

    // A cancelled print dialog stops the job.
    struct Cancel : PrinterDialogs {
        bool printDialog(const QString &, PrinterChoice &) override { return false; }
    } cancel;
    setPrinterDialogs(&cancel);
    home.db().exec("UPDATE printer SET 設計画面表示=0, 印刷時ダイアログ表示=1 WHERE 名称='A4縦'");
    EXPECT_FALSE(_PrnStart(QStringLiteral("A4縦")));
    EXPECT_EQ(jobs.specs.size(), 2);
    setPrinterDialogs(nullptr);
}

TEST(PrinterChoiceStore, ValueFormatAndMessages)
{
    TempHome home;
    ScopedRecordingPrompter p;
    TfPrintTool &tool = printTool();
    tool.selectedPrinter() = {pdfPrinterName(), {}};
    tool.selectedPrinter().options.copies = 2;
    ASSERT_TRUE(tool._PrinterSave(QStringLiteral("明細書")));
    const QString value = ReadRegistryText("PRINTER", "明細書", "");
    const QString name = pdfPrinterName();
    EXPECT_TRUE(value.startsWith(QString::asprintf("%04d", sjis::byteLength(name)) + name)) << value.toStdString();
    const QString hex = value.mid(4 + name.size());
    EXPECT_EQ(hex.size(), 2 * PrinterOptions::blockSize());
    EXPECT_EQ(hex, hex.toUpper());

    tool.selectedPrinter().options.copies = 1;
    EXPECT_TRUE(tool._PrinterLoad(QStringLiteral("明細書")));
    EXPECT_EQ(tool.selectedPrinter().options.copies, 2);
    EXPECT_TRUE(p.shown().empty());

    struct Case {
        QString stored;
        bool result;
        QString message;
    };
    const QList<Case> cases = {
        {QString(), false, QStringLiteral("プリンター設定なし")},
        {QStringLiteral("0007Nothing0102"), false, QStringLiteral("プリンターが見つかりません\r(Nothing)")},
        {QString::asprintf("%04d", sjis::byteLength(name)) + name + QStringLiteral("0102"), true,
         QStringLiteral("プリンター設定エラー\r（データ数不一致）\r記録データ数=2 デバイス数=%1").arg(PrinterOptions::blockSize())},
    };
    for (const Case &c : cases) {
        p.clear();
        WriteRegistryText("PRINTER", "葉書", c.stored);
        EXPECT_EQ(tool._PrinterLoad(QStringLiteral("葉書")), c.result) << c.stored.toStdString();
        EXPECT_EQ(p.lastText(), c.message);
    }
    EXPECT_EQ(tool.selectedPrinter().options.copies, 2);   // the options stay as they were

    // The setup dialog stores what the user confirmed.
    struct Choose : PrinterDialogs {
        bool setupDialog(const QString &, PrinterChoice &c) override
        {
            c.options.landscape = 1;
            return true;
        }
    } choose;
    setPrinterDialogs(&choose);
    tool._PrinterSetup(QStringLiteral("A4横"));
    setPrinterDialogs(nullptr);
    tool.selectedPrinter().options.landscape = -1;
    p.clear();
    EXPECT_TRUE(tool._PrinterLoad(QStringLiteral("A4横")));
    EXPECT_EQ(tool.selectedPrinter().options.landscape, 1);
}

// The frame test of "A4縦" written as a PDF lands at the margin plus the adjustment.
TEST(PrnStart, FrameTestToPdfLandsAtMarginPlusAdjustment)
{
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty())
        GTEST_SKIP() << "pdftoppm not installed";
    TempHome home;
    ScopedRecordingPrompter p;
    QTemporaryDir out;
    setPdfOutputFolder(out.path());
    home.db().exec("UPDATE printer SET 左余白調整=5, 上余白調整=3 WHERE 名称='A4縦'");
    const auto row = readPrinterLayout(QStringLiteral("A4縦"));
    ASSERT_TRUE(printFrameTest(QStringLiteral("A4縦")));
    setPdfOutputFolder(QString());
    const QString pdf = lastPdfPath();
    ASSERT_TRUE(pdf.startsWith(out.path()));
    ASSERT_TRUE(QFileInfo(pdf).fileName().startsWith(QStringLiteral("A4縦_")));

    const int dpi = 254;   // 10 pixels per mm
    ASSERT_EQ(QProcess::execute(pdftoppm, {"-r", QString::number(dpi), "-png", "-singlefile", pdf,
                                           out.filePath("page")}),
              0);
    QImage page(out.filePath("page.png"));
    ASSERT_FALSE(page.isNull());
    EXPECT_EQ(page.width(), 2100);
    auto dark = [&](int x, int y) { return qGray(page.pixel(x, y)) < 128; };
    const int midY = page.height() / 2, midX = page.width() / 2;
    int left = 0, top = 0;
    while (left < page.width() && !dark(left, midY))
        ++left;
    while (top < page.height() && !dark(midX, top))
        ++top;
    EXPECT_NEAR(left, (row->left + 5) * 10, 2);
    EXPECT_NEAR(top, (row->top + 3) * 10, 2);
    int right = page.width() - 1;
    while (right > 0 && !dark(right, midY))
        --right;
    EXPECT_NEAR(right, (row->left + 5 + row->frameWidth) * 10, 2);
}

TEST(PrnStart, DesignModePictureOverPaperOrFrame)
{
    TempHome home;
    ScopedRecordingPrompter p;
    test::RecordingJobs jobs;
    QDir().mkpath(home.file("DataEtc"));
    QImage form(10, 10, QImage::Format_RGB32);
    form.fill(qRgb(0, 0, 255));
    ASSERT_TRUE(form.save(home.file("DataEtc/form.bmp")));
    TfPrintTool &tool = printTool();

    // "用紙枠": the picture is laid under the shown page, stretched over the whole paper.
    home.db().exec("UPDATE printer SET 設計画面表示=1, 設計画面画像使用=1, 設計画面画像名='form.bmp', "
                   "設計画面画像MODE='用紙枠', 設計画面倍率=2 WHERE 名称='葉書'");
    ASSERT_TRUE(_PrnStart(QStringLiteral("葉書")));
    EXPECT_EQ(tool.previewPage().pixel(100, 150), qRgb(255, 255, 255));
    tool._DocEnd();
    ASSERT_EQ(jobs.shownBackgrounds.size(), 1);
    EXPECT_EQ(jobs.shownBackgrounds[0].size(), QSize(10, 10));
    EXPECT_EQ(jobs.shownPages[0].size(), QSize(200, 296));

    // Otherwise it is drawn at once over the print frame (5 mm margins at 2 pixels per mm).
    home.db().exec("UPDATE printer SET 設計画面画像MODE='印刷枠' WHERE 名称='葉書'");
    ASSERT_TRUE(_PrnStart(QStringLiteral("葉書")));
    const QImage page = tool.previewPage();
    EXPECT_EQ(page.pixel(5, 5), qRgb(255, 255, 255));
    EXPECT_EQ(page.pixel(12, 12), qRgb(0, 0, 255));
    tool._DocEnd();
    EXPECT_TRUE(jobs.shownBackgrounds[1].isNull());
    EXPECT_TRUE(jobs.specs.isEmpty());
}
