#include "app/common/prompter.h"
#include "app/common/tf_list.h"
#include "classification_modal.h"
#include "masters/tf_master_mbunrui.h"
#include "masters/tf_master_mnyukin.h"
#include "masters/tf_master_msyobun.h"
#include "temp_home.h"
#include "typing.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace minori;

namespace {

struct Case {
    const char *table, *code, *name, *emptyMessage, *duplicateMessage, *findCaption;
    std::function<std::unique_ptr<TwoColumnMaster>()> make;
};

const Case kCases[] = {
    {"msyobun", "分類CODE", "分類名", "分類CODEを入力してください。", "分類CODEが重複していないか確認してください",
     "商品分類マスター 検索", [] { return std::make_unique<TfMasterMSyoBun>(); }},
    {"mbunrui", "分類CODE", "分類名", "分類CODEを入力してください。", "分類CODEが重複していないか確認してください",
     "顧客分類マスター 検索", [] { return std::make_unique<TfMasterMBunrui>(); }},
    {"mnyukin", "入金種別CODE", "入金種別名", "入金種別codeを入力してください。",
     "入金種別codeが重複していないか確認してください", "入金種別マスター 検索",
     [] { return std::make_unique<TfMasterMNyukin>(); }},
};

QString u8(const char *s) { return QString::fromUtf8(s); }

void seed(store::Database &db, const Case &c)
{
    for (const char *code : {"01", "02", "05"})
        db.exec(QStringLiteral("INSERT INTO %1 (%2, %3) VALUES (?, ?)").arg(u8(c.table), u8(c.code), u8(c.name)),
                {u8(code), QStringLiteral("種類") + u8(code)});
}

void showActive(QWidget &w)
{
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

} // namespace

TEST(ClassificationMasters, EmptyAndDuplicateCodesAreRefusedWithTheScreensMessages)
{
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.table);
        TempHome home;
        seed(home.db(), c);
        ScopedRecordingPrompter p;
        auto s = c.make();
        showActive(*s);
        EXPECT_TRUE(s->isMaximized());
        EXPECT_EQ(s->query().recordCount(), 3);

        s->doNew();
        typeText(s->nameEdit(), QStringLiteral("現金"));
        EXPECT_FALSE(s->doPost());
        EXPECT_EQ(p.lastText(), u8(c.emptyMessage));
        EXPECT_EQ(p.shown().back().title, QStringLiteral("エラー"));
        EXPECT_EQ(s->mode(), ModeNew);
        EXPECT_TRUE(s->codeEdit()->hasFocus());

        typeText(s->codeEdit(), QStringLiteral("02"));
        EXPECT_FALSE(s->doPost());
        EXPECT_EQ(p.lastText(), u8(c.duplicateMessage));
        EXPECT_EQ(s->mode(), ModeNew);
        EXPECT_EQ(s->codeEdit()->text(), QStringLiteral("02"));
        EXPECT_EQ(s->nameEdit()->text(), QStringLiteral("現金"));

        retype(s->codeEdit(), QStringLiteral("03"));
        EXPECT_TRUE(s->doPost());
        EXPECT_EQ(s->mode(), ModeBrowse);
        EXPECT_EQ(home.db().scalar(QStringLiteral("SELECT %1 FROM %2 WHERE %3='03'").arg(u8(c.name), u8(c.table), u8(c.code)))
                      .toString(),
                  QStringLiteral("現金"));

        // Editing a row into an existing code is refused the same way; cancelling keeps the row.
        ASSERT_TRUE(s->query().locateExact(u8(c.code), QStringLiteral("05")));
        s->doEdit();
        retype(s->codeEdit(), QStringLiteral("01"));
        EXPECT_FALSE(s->doPost());
        EXPECT_EQ(p.lastText(), u8(c.duplicateMessage));
        EXPECT_EQ(s->mode(), ModeEdit);
        s->doCancel();
        EXPECT_EQ(s->codeEdit()->text(), QStringLiteral("05"));
        s->reject();
    }
}

TEST(ClassificationMasters, FindPicksARowByCodeStartingAtTheCurrentOne)
{
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.table);
        TempHome home;
        seed(home.db(), c);
        ScopedRecordingPrompter p;
        auto s = c.make();
        showActive(*s);
        ASSERT_TRUE(s->query().locateExact(u8(c.code), QStringLiteral("02")));

        QString caption, startedOn;
        auto ran = whenModal([&](QWidget *w) {
            auto *list = qobject_cast<TfList *>(w);
            ASSERT_NE(list, nullptr);
            caption = list->windowTitle();
            startedOn = list->query()->field(u8(c.code)).asString();
            typeText(list->findEdit(), QStringLiteral("05"));
            list->okButton()->click();
        });
        s->doFind();
        EXPECT_TRUE(*ran);
        EXPECT_EQ(caption, u8(c.findCaption));
        EXPECT_EQ(startedOn, QStringLiteral("02"));
        EXPECT_EQ(s->codeEdit()->text(), QStringLiteral("05"));

        // Closing the picker leaves the screen where it was.
        ran = whenModal([](QWidget *w) { qobject_cast<TfList *>(w)->closeButton()->click(); });
        s->doFind();
        EXPECT_TRUE(*ran);
        EXPECT_EQ(s->codeEdit()->text(), QStringLiteral("05"));
        s->reject();
    }
}
