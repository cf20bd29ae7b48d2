#include "app/common/prompter.h"
#include "app/common/record_screen.h"
#include "temp_home.h"
#include "typing.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace minori;

namespace {

// A master whose code field is checked on leaving; the check can send the user back.
class CheckedScreen : public RecordScreen {
public:
    CheckedScreen() : RecordScreen(QStringLiteral("種別"), QStringLiteral("SELECT * FROM kinds ORDER BY コード"))
    {
        code = addLineField(QStringLiteral("コード"), QStringLiteral("コード"), ImeMode::Off);
        name = addLineField(QStringLiteral("名前"), QStringLiteral("名前"), ImeMode::Hiragana);
        addNavigator();
        addCommand(QStringLiteral("印刷&P"), QStringLiteral("一覧印刷"), QKeySequence(), InBrowse, [] {});
        setCommandBlocked(QStringLiteral("一覧印刷"), true);
        watchExit(code, [this](const QString &, const QString &after) {
            checks << after;
            if (after == QStringLiteral("XX"))
                holdPost();
        });
    }
    using RecordScreen::setExitPending;
    QLineEdit *code;
    QLineEdit *name;
    QStringList checks;
};

void makeKinds(store::Database &db)
{
    db.exec(QStringLiteral("CREATE TABLE kinds (コード TEXT(2) PRIMARY KEY, 名前 TEXT(20))"));
    db.exec(QStringLiteral("INSERT INTO kinds VALUES ('01', '現金'), ('02', '振込'), ('03', '代引')"));
}

} // namespace

TEST(RecordScreenExtras, NavigatorBlockedCommandsAndHeldPosts)
{
    TempHome home;
    makeKinds(home.db());
    ScopedRecordingPrompter p;
    CheckedScreen s;
    s.show();
    QApplication::setActiveWindow(&s);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&s));

    // Navigation in browse mode only.
    QTest::mouseClick(s.navButton(RecordScreen::NavLast), Qt::LeftButton);
    EXPECT_EQ(s.code->text(), QStringLiteral("03"));
    QTest::mouseClick(s.navButton(RecordScreen::NavPrior), Qt::LeftButton);
    EXPECT_EQ(s.code->text(), QStringLiteral("02"));
    EXPECT_TRUE(s.navButton(0)->isVisible());
    EXPECT_FALSE(s.command(QStringLiteral("一覧印刷"))->isEnabled());
    EXPECT_TRUE(s.commandButton(QStringLiteral("一覧印刷"))->isVisible());
    EXPECT_FALSE(s.commandButton(QStringLiteral("一覧印刷"))->isEnabled());

    s.doEdit();
    EXPECT_FALSE(s.navButton(0)->isVisible());
    EXPECT_FALSE(s.command(QStringLiteral("一覧印刷"))->isEnabled());

    // Only the field left is checked, and only when changed or marked pending.
    s.name->setFocus();
    s.code->setFocus();
    s.name->setFocus();
    EXPECT_TRUE(s.checks.isEmpty());
    s.setExitPending(s.code);
    s.code->setFocus();
    s.name->setFocus();
    EXPECT_EQ(s.checks, QStringList{QStringLiteral("02")});

    // A check that holds the post keeps the entry open.
    retype(s.code, QStringLiteral("XX"));
    EXPECT_FALSE(s.doPost());
    EXPECT_EQ(s.mode(), ModeEdit);
    EXPECT_EQ(home.db().scalar(QStringLiteral("SELECT count(*) FROM kinds WHERE コード='XX'")).toInt(), 0);
    retype(s.code, QStringLiteral("04"));
    EXPECT_TRUE(s.doPost());
    EXPECT_EQ(s.checks.last(), QStringLiteral("04"));
    EXPECT_EQ(home.db().scalar(QStringLiteral("SELECT 名前 FROM kinds WHERE コード='04'")).toString(), QStringLiteral("振込"));
}
