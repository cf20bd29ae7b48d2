#include "app/common/common_routines.h"
#include "app/common/prompter.h"
#include "print/preview_window.h"
#include "print/print_tool_window.h"
#include "print/printer_design_screen.h"
#include "print/printer_setting.h"
#include "print/printer_setting_screen.h"
#include "print_fixture.h"
#include "temp_home.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace minori;

namespace {
void grabTo(QWidget &w, const char *name)
{
    const QString dir = qEnvironmentVariable("MINORI_SAMPLE_DIR");
    if (!dir.isEmpty())
        w.grab().save(dir + u'/' + QString::fromLatin1(name) + QStringLiteral(".png"));
}
} // namespace

TEST(PrinterSettingScreen, AdjustmentsChoiceAndFrameTest)
{
    TempHome home;
    ScopedRecordingPrompter p;
    test::RecordingJobs jobs;
    TfPrinterSetting s;
    s.show();
    grabTo(s, "printer_setting");
    EXPECT_EQ(s.windowTitle(), QStringLiteral("プリンター設定"));
    EXPECT_FALSE(s.commandButton(QStringLiteral("新規"))->isVisibleTo(&s));
    EXPECT_TRUE(s.commandButton(QStringLiteral("枠テスト印刷"))->isVisibleTo(&s));

    ASSERT_TRUE(s.query().locateExact(QStringLiteral("名称"), QStringLiteral("A4縦")));
    s.doNew();   // rows are not added here
    EXPECT_EQ(s.mode(), ModeBrowse);
    s.doEdit();
    EXPECT_FALSE(s.commandButton(QStringLiteral("枠テスト印刷"))->isVisibleTo(&s));
    auto *left = qobject_cast<QLineEdit *>(s.fieldWidget(QStringLiteral("左余白調整")));
    ASSERT_NE(left, nullptr);
    left->setText(QStringLiteral("abc"));
    EXPECT_FALSE(s.doPost());
    EXPECT_EQ(p.lastText(), QStringLiteral("数値を入力してください"));
    left->setText(QStringLiteral("-1.5"));
    ASSERT_TRUE(s.doPost());
    EXPECT_DOUBLE_EQ(readPrinterLayout(QStringLiteral("A4縦"))->leftAdjust, -1.5);

    // The frame test asks first and prints at margin plus adjustment.
    p.clear();
    p.answer(false);
    s.printFrame();
    EXPECT_TRUE(jobs.specs.isEmpty());
    p.answer(true);
    s.printFrame();
    EXPECT_EQ(p.texts().first(), QStringLiteral("枠のテスト印刷をおこないます"));
    ASSERT_EQ(jobs.specs.size(), 1);
    EXPECT_EQ(jobs.log->ofKind(RecordedOp::Kind::Line).at(0).v[0], int(8.5 * 600 / 25.4));

    // "設定" asks, then stores what the setup dialog chose.
    struct Choose : PrinterDialogs {
        bool setupDialog(const QString &, PrinterChoice &c) override
        {
            c.name = pdfPrinterName();
            return true;
        }
    } choose;
    setPrinterDialogs(&choose);
    p.clear();
    s.chooseCurrentPrinter();
    setPrinterDialogs(nullptr);
    EXPECT_EQ(p.texts().first(), QStringLiteral("A4縦 のプリンター設定をおこないます"));
    EXPECT_TRUE(ReadRegistryText("PRINTER", "A4縦", "").contains(pdfPrinterName()));
    s.reject();
}

TEST(PrinterDesignScreen, ModeSwitchesActOnEveryRow)
{
    TempHome home;
    ScopedRecordingPrompter p;
    TfPrinterDesin s;
    s.show();
    grabTo(s, "printer_design");
    EXPECT_EQ(s.windowTitle(), QStringLiteral("プリンター用紙設計"));
    home.db().exec("UPDATE printer SET 設計画面表示=1 WHERE 名称='葉書'");
    s.designMode();
    EXPECT_EQ(p.lastText(), QStringLiteral("全プリンター設定を\r★設計モード★に設定しました"));
    EXPECT_EQ(home.db().scalar("SELECT COUNT(*) FROM printer WHERE 設計画面表示=1").toInt(),
              home.db().scalar("SELECT COUNT(*) FROM printer").toInt());
    s.normalMode();
    EXPECT_EQ(p.lastText(), QStringLiteral("全プリンター設定を\r通常モードに設定しました"));
    EXPECT_EQ(home.db().scalar("SELECT COUNT(*) FROM printer WHERE 設計画面表示<>0").toInt(), 0);
    s.dialogOn();
    EXPECT_EQ(home.db().scalar("SELECT COUNT(*) FROM printer WHERE 印刷時ダイアログ表示=0").toInt(), 0);
    s.dialogOff();
    EXPECT_EQ(p.lastText(), QStringLiteral("全プリンター設定を\r印刷時ダイアログ表示無しに設定しました"));

    // A picture chosen while editing goes in without its folder.
    ASSERT_TRUE(s.query().locateExact(QStringLiteral("名称"), QStringLiteral("葉書")));
    s.doEdit();
    s.setPictureName(QStringLiteral("/somewhere/DataEtc/hagaki.jpg"));
    ASSERT_TRUE(s.doPost());
    EXPECT_EQ(readPrinterLayout(QStringLiteral("葉書"))->pictureName, QStringLiteral("hagaki.jpg"));

    // Names are unique.
    p.clear();
    s.doNew();
    qobject_cast<QLineEdit *>(s.fieldWidget(QStringLiteral("名称")))->setText(QStringLiteral("A4縦"));
    EXPECT_FALSE(s.doPost());
    EXPECT_EQ(p.lastText(), QStringLiteral("同じ名称の用紙があります"));
    s.doCancel();
    ASSERT_TRUE(s.query().locateExact(QStringLiteral("名称"), QStringLiteral("葉書")));

    // Deleting asks with the name; a document then finds no layout.
    p.clear();
    p.answer(true);
    s.doDelete();
    EXPECT_EQ(p.texts().first(), QStringLiteral("葉書 削除"));
    EXPECT_FALSE(_PrnStart(QStringLiteral("葉書")));
    EXPECT_EQ(p.lastText(), QStringLiteral("プリンターの設定がありません[葉書]"));
    s.reject();
}

TEST(PrintToolWindow, TableTestAndPrinterInfo)
{
    TempHome home;
    test::RecordingJobs jobs;
    TfPrintToolWindow w;
    w.tableTest();
    const QStringList lines = w.tableMemo()->toPlainText().split(u'\n');
    ASSERT_EQ(lines.size(), 15);
    EXPECT_EQ(lines[0], QStringLiteral("101.000000"));
    EXPECT_EQ(lines[5], QStringLiteral("203.000000"));
    EXPECT_EQ(lines[14], QStringLiteral("0.000000"));
    w.showPrinterInfo();
    const QStringList info = w.infoMemo()->toPlainText().split(u'\n');
    ASSERT_EQ(info.size(), 5);
    EXPECT_EQ(info[1], QStringLiteral("DPI-X=600 (LOGPIXELSX)"));
    EXPECT_TRUE(info[3].startsWith(QStringLiteral("物理的印刷不可　水平=")));
    grabTo(w, "fprinttool");
}

TEST(PreviewWindow, FifthSizeZoomAndBackground)
{
    QImage page(400, 600, QImage::Format_RGB32);
    page.fill(Qt::white);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 200; ++x)
            page.setPixel(x, y, qRgb(255, 0, 0));
    QImage form(4, 4, QImage::Format_RGB32);
    form.fill(qRgb(0, 255, 255));
    TfPrintPrevew w;
    w.setPage(page, form);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("プレビュー"));
    EXPECT_EQ(w.displaySize(), QSize(80, 120));
    w.zoomIn();
    EXPECT_EQ(w.displaySize(), QSize(160, 240));
    w.zoomOut();
    w.zoomOut();
    EXPECT_EQ(w.displaySize(), QSize(40, 60));
    const QImage shown = w.displayed();
    EXPECT_EQ(shown.pixel(5, 30), qRgb(0, 0, 0));        // red AND cyan
    EXPECT_EQ(shown.pixel(35, 30), qRgb(0, 255, 255));   // white shows the form
    grabTo(w, "preview");
}
