#include "app/common/common_routines.h"
#include "app/common/prompter.h"
#include "app/common/screen_state.h"
#include "temp_home.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace minori;

TEST(Prompter, TitlesAndTwiceAskedConfirmation)
{
    ScopedRecordingPrompter p;
    ShowInfo(QStringLiteral("i"));
    ShowError(QStringLiteral("e"));
    EXPECT_TRUE(AskConfirm(QStringLiteral("c")));
    ASSERT_EQ(p.shown().size(), 3u);
    EXPECT_EQ(p.shown()[0].title, QString());
    EXPECT_EQ(p.shown()[1].title, QStringLiteral("エラー"));
    EXPECT_EQ(p.shown()[2].title, QStringLiteral("確認！"));

    p.clear();
    p.answer(false);
    EXPECT_FALSE(AskConfirmTwice(QStringLiteral("消しますか")));
    EXPECT_EQ(p.shown().size(), 1u);     // the second box is not shown after a cancel
    p.clear();
    p.answer(true);
    p.answer(false);
    EXPECT_FALSE(AskConfirmTwice(QStringLiteral("消しますか")));
    EXPECT_EQ(p.texts(), (QStringList{QStringLiteral("消しますか"), QStringLiteral("最終確認：実行しますか")}));
}

TEST(CommonRoutines, DatesPathsAndSettingsStore)
{
    TempHome home;
    EXPECT_EQ(DateText(QDate(2008, 4, 5)), QStringLiteral("2008/04/05"));
    EXPECT_EQ(DateTextDashed(QDate(2008, 4, 5)), QStringLiteral("2008-04-05"));
    EXPECT_EQ(NowText().size(), 19);
    EXPECT_EQ(ProgramFilePath(QStringLiteral("a.txt")), home.file(QStringLiteral("a.txt")));
    EXPECT_EQ(ProgramRelativePath(QStringLiteral("/x/a.txt")), QStringLiteral("/x/a.txt"));
    EXPECT_EQ(DataFolderPath(), home.file(QStringLiteral("data")));
    EXPECT_EQ(DataEtcFilePath(QStringLiteral("Start.jpg")), home.file(QStringLiteral("DataEtc/Start.jpg")));

    EXPECT_EQ(ReadRegistryText(QStringLiteral("Printer"), QStringLiteral("A4縦"), QStringLiteral("def")), QStringLiteral("def"));
    EXPECT_TRUE(WriteRegistryText(QStringLiteral("Printer"), QStringLiteral("A4縦"), QStringLiteral("PDF,1,2")));
    EXPECT_EQ(ReadRegistryText(QStringLiteral("Printer"), QStringLiteral("A4縦"), QString()), QStringLiteral("PDF,1,2"));

    EXPECT_TRUE(AppendToFile(home.file(QStringLiteral("out.txt")), QStringLiteral("一行\n")));
    ScopedRecordingPrompter p;
    EXPECT_FALSE(AppendToFile(home.file(QStringLiteral("no/such/dir/out.txt")), QStringLiteral("x")));
    EXPECT_EQ(p.lastText(), QStringLiteral("出力ファイルを開けません\n"));
}

TEST(CommonRoutines, SqlShortcuts)
{
    TempHome home;
    store::Dataset q(home.db());
    EXPECT_TRUE(OpenSql(q, QStringLiteral("SELECT * FROM system")));
    EXPECT_FALSE(OpenSql(q, QStringLiteral("SELECT * FROM system WHERE 自社名 = ?"), {QStringLiteral("x")}));
    EXPECT_TRUE(q.isOpen());   // an empty result leaves the query open
    ExecSql(QStringLiteral("UPDATE system SET 自社名 = ?"), {QStringLiteral("山田農園")});
    ASSERT_TRUE(OpenSql(q, QStringLiteral("SELECT * FROM system")));
    EXPECT_EQ(q.field(QStringLiteral("自社名")).asString(), QStringLiteral("山田農園"));

    // Copy by name: only columns the target has and can write.
    store::Dataset wall(home.db(), QStringLiteral("SELECT * FROM dwallpaper"));
    wall.open();
    home.db().exec(QStringLiteral("CREATE TABLE w2 (壁紙1ファイル名 TEXT(10), other TEXT(5))"));
    store::Dataset target(home.db(), QStringLiteral("SELECT * FROM w2"));
    target.open();
    target.append();
    home.db().exec(QStringLiteral("UPDATE dwallpaper SET 壁紙1ファイル名 = 'C:/pic.jpg'"));
    wall.refresh();
    CopyFieldsByName(target, wall);
    target.post();
    EXPECT_EQ(target.field(QStringLiteral("壁紙1ファイル名")).asString(), QStringLiteral("C:/pic.jpg"));
    EXPECT_TRUE(PackTable(QStringLiteral("w2"), false, true));
    ScopedRecordingPrompter p;
    EXPECT_FALSE(PackTable(QStringLiteral("nothere"), false, true));
    EXPECT_TRUE(p.lastText().startsWith(QStringLiteral("テーブルが存在しません\r")));
}

TEST(ScreenState, ModeLabelAndKeyNavigation)
{
    QLabel label;
    ShowModeLabel(&label, 1);
    EXPECT_EQ(label.text(), QStringLiteral("新規"));
    ShowModeLabel(&label, 7);
    EXPECT_EQ(label.text(), QStringLiteral("新規"));   // other modes change nothing
    ShowModeLabel(&label, 2);
    EXPECT_EQ(label.text(), QStringLiteral("修正"));

    QDialog screen;
    auto *v = new QVBoxLayout(&screen);
    auto *a = new QLineEdit(&screen);
    auto *b = new QLineEdit(&screen);
    auto *memo = new QPlainTextEdit(&screen);
    auto *c = new QLineEdit(&screen);
    v->addWidget(a);
    v->addWidget(b);
    v->addWidget(memo);
    v->addWidget(c);
    installKeyNavigation(&screen);
    screen.show();
    QApplication::setActiveWindow(&screen);
    a->setFocus();
    QTest::keyClick(a, Qt::Key_Return);
    EXPECT_TRUE(b->hasFocus());
    QTest::keyClick(b, Qt::Key_Up);
    EXPECT_TRUE(a->hasFocus());
    QTest::keyClick(a, Qt::Key_Down);
    QTest::keyClick(b, Qt::Key_Down);
    EXPECT_TRUE(memo->hasFocus());
    QTest::keyClick(memo, Qt::Key_Return);     // Enter inside a memo is a new line
    EXPECT_TRUE(memo->hasFocus());
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("\n"));
}

#include "app/common/input_date.h"
#include <QCalendarWidget>

TEST(InputDate, PresetAndPickIntoTheRow)
{
    TempHome home;
    TfInputDate dlg;
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("日付入力"));
    EXPECT_EQ(dlg.date(), QDate::currentDate());     // no preset: today
    dlg.setPreset(QDate(2008, 4, 5));
    EXPECT_EQ(dlg.calendar()->selectedDate(), QDate(2008, 4, 5));

    store::Dataset q(home.db(), QStringLiteral("SELECT * FROM system"));
    q.open();
    QLineEdit box;
    box.setProperty("boundField", QStringLiteral("定期購入確認日"));
    setDateAsker([](TfInputDate &d) {
        d.calendar()->setSelectedDate(QDate(2026, 12, 24));
        d.accept();
        return true;
    });
    EXPECT_TRUE(PickDateForCombo(&box, q));
    EXPECT_TRUE(q.isEditing());
    q.post();
    EXPECT_EQ(home.db().scalar(QStringLiteral("SELECT 定期購入確認日 FROM system")).toString(), QStringLiteral("2026-12-24"));
    setDateAsker({});
}
