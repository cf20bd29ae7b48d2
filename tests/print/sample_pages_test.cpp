// Writes sample pages of each kind as PDF files into $MINORI_SAMPLE_DIR, for looking at them
// (pdftoppm -png). Skipped when the variable is not set.
#include "app/common/common_routines.h"
#include "app/common/prompter.h"
#include "print/print_db_list.h"
#include "print/printer_setting.h"
#include "print_fixture.h"
#include "temp_home.h"

#include <QDir>
#include <QFontMetricsF>
#include <QImage>
#include <gtest/gtest.h>

using namespace minori;

TEST(SamplePages, WritePdfs)
{
    const QString dir = qEnvironmentVariable("MINORI_SAMPLE_DIR");
    if (dir.isEmpty())
        GTEST_SKIP() << "MINORI_SAMPLE_DIR not set";
    TempHome home;
    ScopedRecordingPrompter p;
    setPdfOutputFolder(dir);
    TfPrintTool &tool = printTool();

    // Frame tests.
    for (const char16_t *layout : {u"A4縦", u"A4横", u"葉書", u"ヤマト伝票"})
        printFrameTest(QString::fromUtf16(layout));

    // A form: areas, fitted text, a digit table with a rounded heading, pictures.
    QDir().mkpath(home.file("DataEtc"));
    QImage logo(200, 100, QImage::Format_RGB32);
    logo.fill(Qt::white);
    for (int y = 20; y < 80; ++y)
        for (int x = 20; x < 180; ++x)
            logo.setPixel(x, y, qRgb(0, 128, 255));
    logo.save(home.file("DataEtc/logo.bmp"));
    ASSERT_TRUE(_PrnStart(QStringLiteral("明細書")));
    tool._DocBegin();
    tool._Waku();
    tool._FontName(QStringLiteral("ＭＳ 明朝"));
    tool._TextFit(true, 10, 10, 120, 14, QStringLiteral("御請求書（明朝）"), 0.5, 0, 0);
    tool._FontName(QStringLiteral("ＭＳ ゴシック"));
    tool._TextFit(true, 10, 30, 60, 8, QStringLiteral("右寄せ ABC 123"), 0.5, 1, 1);
    tool._Locate(10, 45, 3, 6);
    tool._Print(QStringLiteral("半角 1234567890 ABCDEFGHIJ"));
    tool._Print(QStringLiteral("全角　日本語の文字列です"));
    tool._LocateRight(180, 45, 3, 6);
    tool._Print(QStringLiteral("12,345"));
    tool._Print(QStringLiteral("1,234,567"));
    tool.setBrushColor(kLightCyan);
    tool._HyoSet(10, 70, 0.5, 8, 0.6, 0.2, 0.5, 0.5, 4, QStringLiteral("8,12:1:0,12:1:2"));
    tool._HyoRowFill(0);
    tool._HyoColFill(0);
    tool._HyoWaku();
    tool._HyoText(0, 0, QStringLiteral("品名"));
    tool._HyoText(0, 1, QStringLiteral("    金額"));
    tool._HyoText(1, 0, QStringLiteral("りんご"));
    tool._HyoText(1, 1, QStringLiteral("     1234567"));
    tool._HyoText(1, 2, QStringLiteral("   1234567.89"));
    tool._HyoRowBox(3);
    tool.setBrushColor(Qt::white);
    tool._RoundRect(10, 120, 60, 140, 6, 6);
    tool._Arc(70, 120, 90, 140, 90, 130, 80, 120);
    tool._Pict(100, 115, 40, 0, QStringLiteral("logo.bmp"));
    tool._TextXY(105, 120, QStringLiteral("絵の上の文字"));
    tool._AriaSet(100, 150, 80, 40);
    tool._AriaChg(0);
    tool._Waku();
    tool._TextXY(2, 2, QStringLiteral("サブエリア(0,0)"));
    tool._AriaChg(-1);
    tool._DocEnd();

    // A list of three pages.
    home.db().exec("CREATE TABLE items (no INTEGER, name TEXT, amount INTEGER)");
    for (int i = 1; i <= 120; ++i)
        home.db().exec("INSERT INTO items VALUES (?, ?, ?)", {i, QStringLiteral("商品名その%1").arg(i), i * 12345});
    TfPrintDbList &list = printDbList();
    list._ListSetup("A4縦", 0,
                    [](int page, int pages) {
                        printTool()._FontSize(5);
                        printTool()._TextXY(0, 0, QStringLiteral("商品マスター        %1      %2/%3")
                                                      .arg(NowText().left(16)).arg(page).arg(pages));
                    },
                    "$LNO:No:4:F:0:N,name:品名:24,amount:  金額:10:F:0:C,amount:金額T:10:F:0:T,$SPC:備考:8",
                    "SELECT * FROM items ORDER BY no", QString(), 50, 0.8, 5, 2.3, 10, 0, 0);
    list._ListPrint();

    // Design mode: a postcard page as the preview shows it.
    home.db().exec("UPDATE printer SET 設計画面表示=1 WHERE 名称='葉書'");
    tool.setPagePresenter([&](const QImage &page, const QImage &) { page.save(dir + "/preview_hagaki.png"); });
    ASSERT_TRUE(_PrnStart(QStringLiteral("葉書")));
    tool._DocBegin();
    tool._Waku();
    tool._FontSize(8);
    tool._TextXY(10, 10, QStringLiteral("〒123-4567 はがき"));
    tool._DocEnd();
    tool.setPagePresenter({});
    setPdfOutputFolder(QString());

    QFont f(substituteFontFamily(QStringLiteral("ＭＳ ゴシック")));
    f.setPixelSize(100);
    QFontMetricsF fm(f);
    std::printf("IPAGothic at 100px: ascent %.2f descent %.2f height %.2f; 'A' %.2f '日' %.2f\n", fm.ascent(),
                fm.descent(), fm.height(), fm.horizontalAdvance('A'), fm.horizontalAdvance(QStringLiteral("日")));
}
