#include "app/common/prompter.h"
#include "app/common/record_screen.h"
#include "temp_home.h"
#include "typing.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace minori;

namespace {

void makeKinds(store::Database &db)
{
    store::TableDef t;
    t.name = QStringLiteral("kinds");
    t.columns = {store::ColumnDef::text(QStringLiteral("コード"), 2), store::ColumnDef::text(QStringLiteral("名前"), 20)};
    t.primaryKey = {QStringLiteral("コード")};
    db.exec(t.createSql());
    db.exec(QStringLiteral("INSERT INTO kinds VALUES ('01', '現金'), ('02', '振込')"));
}

// A two-column master on the shared pattern.
class KindScreen : public RecordScreen {
public:
    KindScreen() : RecordScreen(QStringLiteral("種別"), QStringLiteral("SELECT * FROM kinds ORDER BY コード"))
    {
        code = addLineField(QStringLiteral("コード"), QStringLiteral("コード"), ImeMode::Off);
        name = addLineField(QStringLiteral("名前"), QStringLiteral("名前"), ImeMode::Hiragana);
        addGrid({{QStringLiteral("コード"), QStringLiteral("コード"), 4}, {QStringLiteral("名前"), QStringLiteral("名前"), 20}});
        watchExit(name, [this](const QString &before, const QString &after) { exits << before + u'>' + after; });
    }
    QLineEdit *code;
    QLineEdit *name;
    QStringList exits;

protected:
    void afterAppend() override { query().field(QStringLiteral("名前")).setString(QStringLiteral("新しい種別")); }
    bool checkBeforePost() override
    {
        if (query().field(QStringLiteral("コード")).isBlank()) {
            ShowError(QStringLiteral("コードを入力してください。"));
            return false;
        }
        return true;
    }
    QString duplicateMessage() const override { return QStringLiteral("コードが重複していないか確認してください"); }
};

} // namespace

TEST(RecordScreen, ModesCommandsAndPosting)
{
    TempHome home;
    makeKinds(home.db());
    ScopedRecordingPrompter p;
    KindScreen s;
    s.show();
    QApplication::setActiveWindow(&s);   // shortcuts act in the active window
    ASSERT_TRUE(QTest::qWaitForWindowActive(&s));
    EXPECT_EQ(s.modeLabel()->text(), QStringLiteral("参照"));
    EXPECT_EQ(s.query().recordCount(), 2);
    EXPECT_TRUE(s.code->isReadOnly());
    EXPECT_TRUE(s.commandButton(QStringLiteral("新規"))->isVisible());
    EXPECT_FALSE(s.commandButton(QStringLiteral("決定"))->isVisible());

    // Ctrl+A starts a new row with its defaults, also from inside a field; the fields become writable.
    s.code->setFocus();
    QTest::keyClick(s.code, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(s.mode(), ModeNew);
    EXPECT_EQ(s.modeLabel()->text(), QStringLiteral("新規"));
    EXPECT_FALSE(s.code->isReadOnly());
    EXPECT_EQ(s.name->text(), QStringLiteral("新しい種別"));
    EXPECT_FALSE(s.command(QStringLiteral("新規"))->isEnabled());
    EXPECT_TRUE(s.commandButton(QStringLiteral("決定"))->isVisible());

    // An empty code is refused before posting.
    EXPECT_FALSE(s.doPost());
    EXPECT_EQ(p.lastText(), QStringLiteral("コードを入力してください。"));
    EXPECT_EQ(s.mode(), ModeNew);

    // A duplicate key: the screen's message, and the entry stays open with what was typed.
    s.code->setFocus();
    QTest::keyClicks(s.code, QStringLiteral("01"));
    EXPECT_FALSE(s.doPost());
    EXPECT_EQ(p.lastText(), QStringLiteral("コードが重複していないか確認してください"));
    EXPECT_EQ(s.mode(), ModeNew);
    EXPECT_EQ(s.code->text(), QStringLiteral("01"));

    retype(s.code, QStringLiteral("03"));
    s.name->setFocus();
    s.name->selectAll();
    typeText(s.name, QStringLiteral("代引"));
    QTest::keyClick(&s, Qt::Key_O, Qt::ControlModifier);   // 決定: the name's exit check runs first
    EXPECT_EQ(s.mode(), ModeBrowse);
    EXPECT_EQ(s.exits, QStringList{QStringLiteral("新しい種別>代引")});
    EXPECT_EQ(home.db().scalar(QStringLiteral("SELECT 名前 FROM kinds WHERE コード='03'")).toString(), QStringLiteral("代引"));

    // Edit and cancel leaves the row as it was.
    s.doEdit();
    EXPECT_EQ(s.modeLabel()->text(), QStringLiteral("修正"));
    s.name->setText(QStringLiteral("変更"));
    s.binder().store();
    s.doCancel();
    EXPECT_EQ(s.name->text(), QStringLiteral("代引"));
    EXPECT_EQ(home.db().scalar(QStringLiteral("SELECT count(*) FROM kinds WHERE 名前='変更'")).toInt(), 0);

    // Delete asks first.
    p.answer(false);
    s.doDelete();
    EXPECT_EQ(s.query().recordCount(), 3);
    p.answer(true);
    s.doDelete();
    EXPECT_EQ(s.query().recordCount(), 2);
    EXPECT_EQ(p.lastText(), QStringLiteral("削除"));
}
