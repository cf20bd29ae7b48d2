#include "app/common/prompter.h"
#include "app/common/tf_counter.h"
#include "store/counters.h"
#include "temp_home.h"
#include "typing.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace minori;

TEST(TfCounter, BrowseEditCorrectAndCancel)
{
    TempHome home;
    ScopedRecordingPrompter p;
    TfCounter s;
    s.show();
    QApplication::setActiveWindow(&s);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&s));
    EXPECT_EQ(s.windowTitle(), QStringLiteral("カウンター"));
    EXPECT_EQ(s.modeLabel()->text(), QStringLiteral("参照"));
    EXPECT_EQ(s.grid()->model()->rowCount(), 2);
    EXPECT_EQ(s.grid()->model()->columnCount(), 2);

    // No new, delete or search: neither button, menu entry nor shortcut.
    for (const char16_t *c : {u"新規", u"削除", u"検索"}) {
        EXPECT_EQ(s.command(QString::fromUtf16(c)), nullptr);
        EXPECT_EQ(s.commandButton(QString::fromUtf16(c)), nullptr);
        for (QMenu *m : s.findChildren<QMenu *>())
            for (QAction *a : m->actions())
                EXPECT_NE(a->text(), QString::fromUtf16(c));
    }
    QTest::keyClick(&s, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(s.mode(), ModeBrowse);
    EXPECT_TRUE(s.commandButton(QStringLiteral("修正"))->isVisible());
    EXPECT_TRUE(s.commandButton(QStringLiteral("閉じる"))->isVisible());
    EXPECT_FALSE(s.commandButton(QStringLiteral("決定"))->isVisible());
    EXPECT_FALSE(s.commandButton(QStringLiteral("ｷｬﾝｾﾙ"))->isVisible());
    EXPECT_TRUE(s.counterField()->isReadOnly());

    // Ctrl+E edits the current row; only COUNTER is writable.
    ASSERT_TRUE(s.query().locateExact(QStringLiteral("名称"), QStringLiteral("MTOKUI")));
    EXPECT_EQ(s.nameField()->text(), QStringLiteral("MTOKUI"));
    QTest::keyClick(&s, Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(s.mode(), ModeEdit);
    EXPECT_EQ(s.modeLabel()->text(), QStringLiteral("修正"));
    EXPECT_TRUE(s.nameField()->isReadOnly());
    EXPECT_FALSE(s.counterField()->isReadOnly());
    EXPECT_TRUE(s.commandButton(QStringLiteral("決定"))->isVisible());
    EXPECT_FALSE(s.commandButton(QStringLiteral("修正"))->isVisible());

    // Only digits go in; an empty counter is refused and the row stays in edit.
    retype(s.counterField(), QStringLiteral("a-1.5"));
    EXPECT_EQ(s.counterField()->text(), QStringLiteral("15"));
    retype(s.counterField(), QString());
    EXPECT_FALSE(s.doPost());
    EXPECT_EQ(p.lastText(), QStringLiteral("COUNTERには0以上の整数を入力してください。"));
    EXPECT_EQ(s.mode(), ModeEdit);
    retype(s.counterField(), QStringLiteral("120"));
    QTest::keyClick(&s, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(s.mode(), ModeBrowse);
    store::CounterService counters(home.db());
    EXPECT_EQ(counters.peek(QStringLiteral("MTOKUI")), QStringLiteral("00000121"));

    // Cancel drops the change.
    s.doEdit();
    retype(s.counterField(), QStringLiteral("7"));
    QTest::keyClick(&s, Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(s.mode(), ModeBrowse);
    EXPECT_EQ(s.counterField()->text(), QStringLiteral("120"));
    EXPECT_EQ(counters.peek(QStringLiteral("MTOKUI")), QStringLiteral("00000121"));
    EXPECT_EQ(counters.peek(QStringLiteral("DJUDEN")), QStringLiteral("00000001"));

    s.commandButton(QStringLiteral("閉じる"))->click();
    EXPECT_FALSE(s.isVisible());
    EXPECT_FALSE(s.query().isOpen());
}
