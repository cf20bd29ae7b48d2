#include "app/common/prompter.h"
#include "app/shell/about_box.h"
#include "app/shell/main_window.h"
#include "app/shell/manual_window.h"
#include "app/shell/process_lock.h"
#include "app/shell/screen_registry.h"
#include "store/company_settings.h"
#include "temp_home.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace minori;

namespace {
// Shows the main window and waits for its start-up sequence.
bool start(TfMain &w, int timeoutMs = 5000)
{
    QSignalSpy done(&w, &TfMain::startupFinished);
    w.show();
    return done.wait(timeoutMs);
}

struct ShellHome : TempHome {
    ShellHome() { QDir::setCurrent(path()); }
};
} // namespace

TEST(MainWindow, TitleUserModeAndButtons)
{
    ShellHome home;
    ScopedRecordingPrompter p;
    clearScreens();
    registerScreen(QStringLiteral("顧客マスター"), [](QWidget *) {});
    {
        TfMain w({50, false});
        ASSERT_TRUE(start(w));
        EXPECT_EQ(w.windowTitle(), QStringLiteral("名無しのごんべいさん の実り直送便"));
        EXPECT_EQ(w.userMode(), 0);
        EXPECT_TRUE(w.beginnerPanel()->isVisible());
        EXPECT_FALSE(w.advancedPanel()->isVisible());
        // A button whose screen is not there yet is disabled; its own commands are not.
        EXPECT_TRUE(w.button(QStringLiteral("顧客マスター"))->isEnabled());
        EXPECT_FALSE(w.button(QStringLiteral("受注伝票"))->isEnabled());
        EXPECT_TRUE(w.button(QStringLiteral("バージョン"))->isEnabled());
        EXPECT_FALSE(w.button(QStringLiteral("カラー設定"), true)->isVisible());
        EXPECT_FALSE(w.designButton()->isVisible());
        for (const char *c : {"送り状印刷", "振替用紙印刷", "明細書印刷", "注文主抽出", "注文履歴印刷", "集計", "定期購入",
                              "顧客分類マスター", "顧客一括", "商品分類マスター", "入金種別マスター", "お買上明細 通信文",
                              "ご注文履歴　通信文", "住所確認", "インポート", "バックアップ", "再構築"})
            EXPECT_NE(w.button(QString::fromUtf8(c), true), nullptr) << c;
        w.setUserMode(1);
        w.grab().save(home.file(QStringLiteral("main-advanced.png")));
        w.close();
    }
    // The user mode is saved at close and any mode other than 0 shows the advanced panel.
    EXPECT_EQ(store::systemValue(home.db(), QStringLiteral("ユーザーモード")).toInt(), 1);
    store::setSystemValue(home.db(), QStringLiteral("ユーザーモード"), 5);
    store::setSystemValue(home.db(), QStringLiteral("自社名"), QStringLiteral("山田農園"));
    store::setSystemValue(home.db(), QStringLiteral("カラー設定"), 1);
    QFile(home.file(QStringLiteral("AllFuncOn.txt"))).open(QIODevice::WriteOnly);
    TfMain w({10, false});
    ASSERT_TRUE(start(w));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("山田農園 の実り直送便  ★★全機能On★★"));
    EXPECT_TRUE(w.advancedPanel()->isVisible());
    EXPECT_TRUE(w.button(QStringLiteral("カラー設定"), true)->isVisible());
    EXPECT_TRUE(w.designButton()->isVisible());
    EXPECT_TRUE(w.designingButton()->isVisible());
    EXPECT_TRUE(p.shown().empty());
    w.close();
    clearScreens();
}

TEST(MainWindow, SecondCopyIsRefusedByTheLock)
{
    ShellHome home;
    ScopedRecordingPrompter p;
    ProcessLock running;
    ASSERT_TRUE(running.acquire(home.file(QStringLiteral("Haita.txt"))));
    store::setSystemValue(home.db(), QStringLiteral("ユーザーモード"), 1);
    {
        TfMain w({10, false});
        w.show();
        QTRY_VERIFY_WITH_TIMEOUT(!w.isVisible(), 3000);
    }
    ASSERT_FALSE(p.shown().empty());
    EXPECT_EQ(p.shown().front().title, QStringLiteral("エラー"));
    EXPECT_EQ(p.shown().front().text, QStringLiteral("起動できません\r他で使用中か確認してください"));
    // The refused copy leaves the running copy's settings alone.
    EXPECT_EQ(store::systemValue(home.db(), QStringLiteral("ユーザーモード")).toInt(), 1);
    running.release();
    ProcessLock again;
    EXPECT_TRUE(again.acquire(home.file(QStringLiteral("Haita.txt"))));
}

TEST(MainWindow, UnreadableDataFolderEndsTheProgram)
{
    ShellHome home;
    ScopedRecordingPrompter p;
    home.db().exec(QStringLiteral("DROP TABLE system"));
    TfMain w({10, false});
    w.show();
    QTRY_VERIFY_WITH_TIMEOUT(!w.isVisible(), 3000);
    EXPECT_FALSE(w.started());
    EXPECT_EQ(p.lastText(), QStringLiteral("データベースにアクセスできません\r終了します。"));
}

TEST(MainWindow, SplashStaysUntilTheDeadline)
{
    ShellHome home;
    QElapsedTimer t;
    t.start();
    TfMain w({400, true});
    ASSERT_TRUE(start(w));
    EXPECT_GE(t.elapsed(), 400);
    w.close();
}

TEST(MainWindow, WallpapersAboutAndManual)
{
    ShellHome home;
    ScopedRecordingPrompter p;
    const QString pic = home.file(QStringLiteral("wall.png"));
    QImage img(8, 8, QImage::Format_RGB32);
    img.fill(Qt::red);
    img.save(pic);
    TfMain w({10, false});
    ASSERT_TRUE(start(w));
    w.useNewWallpaper(1, pic);
    EXPECT_FALSE(w.beginnerPicture()->pixmap().isNull());
    w.useNoWallpaper(1);
    EXPECT_TRUE(w.beginnerPicture()->pixmap().isNull());
    EXPECT_EQ(home.db().scalar(QStringLiteral("SELECT 壁紙1を使う FROM dwallpaper")).toInt(), 0);
    w.usePreviousWallpaper(1);
    EXPECT_FALSE(w.beginnerPicture()->pixmap().isNull());
    w.usePreviousWallpaper(2);   // nothing stored for slot 2: nothing happens
    EXPECT_TRUE(w.advancedPicture()->pixmap().isNull());
    EXPECT_EQ(home.db().scalar(QStringLiteral("SELECT 壁紙2を使う FROM dwallpaper")).toInt(), 0);

    TfVersion about;
    EXPECT_EQ(about.dictionaryLine(), QStringLiteral("郵便番号辞書日付 不明"));
    TfManual manual;
    EXPECT_FALSE(manual.openManual());
    EXPECT_TRUE(p.lastText().startsWith(QStringLiteral("取扱説明書のファイルが見つかりません\r")));
    EXPECT_TRUE(p.lastText().endsWith(QStringLiteral("実り直送便-取扱説明書.pdf")));
    w.close();
}

#include "app/shell/safe_application.h"
#include "store/sql_error.h"

TEST(SafeApplication, EscapingErrorsAreShownAndTheProgramGoesOn)
{
    ScopedRecordingPrompter p;
    EXPECT_FALSE(runGuarded([]() -> bool { throw store::SqlError(QStringLiteral("no such table: x"), QStringLiteral("SELECT * FROM x")); }));
    EXPECT_FALSE(runGuarded([]() -> bool { throw store::Abort(); }));     // already explained: silent
    EXPECT_TRUE(runGuarded([] { return true; }));
    ASSERT_EQ(p.shown().size(), 1u);
    EXPECT_EQ(p.shown().front().title, QStringLiteral("エラー"));
    EXPECT_TRUE(p.shown().front().text.contains(QStringLiteral("SELECT * FROM x")));
}
