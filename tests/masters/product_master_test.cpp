#include "app/common/prompter.h"
#include "app/common/tf_list.h"
#include "classification_modal.h"
#include "masters/product_drop_down_box.h"
#include "masters/tf_master_msyohin.h"
#include "masters/tf_msyohin_find.h"
#include "temp_home.h"
#include "typing.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace minori;

namespace {

void seed(store::Database &db)
{
    db.exec(QStringLiteral("INSERT INTO msyobun (分類CODE, 分類名) VALUES ('A', '果物'), ('B', '野菜')"));
    db.exec(QStringLiteral("INSERT INTO msyohin (品番, 品名, 仕様, 定価, 送状印刷, 分類CODE, 分類名) VALUES "
                           "('P100', 'りんご', '5kg', 3000, '○', 'B', '野菜'), "
                           "('P200', 'みかん', '10kg', 4000, '－', 'A', '果物'), "
                           "('P300', 'ぶどう', '2kg', 5000, '○', NULL, NULL)"));
}

QString column(store::Database &db, const QString &sql) { return db.scalar(sql).toString(); }

struct Screen {
    TempHome home;
    ScopedRecordingPrompter p;
    TfMasterMSyohin s;
    Screen()
    {
        seed(home.db());
        s.show();
        QApplication::setActiveWindow(&s);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&s));
    }
    QLineEdit *edit(const char *field) { return qobject_cast<QLineEdit *>(s.fieldWidget(QString::fromUtf8(field))); }
    QString current(const char *field) { return s.query().field(QString::fromUtf8(field)).asString(); }
    void typeClass(const QString &code)
    {
        s.classBox()->setFocus();
        s.classBox()->lineEdit()->selectAll();
        QTest::keyClick(s.classBox()->lineEdit(), Qt::Key_Delete);
        typeText(s.classBox()->lineEdit(), code);
    }
    void leaveClass() { edit("品番")->setFocus(); }
};

} // namespace

TEST(ProductMaster, NewProductStartsWithALabelAndDuplicatesStayInEdit)
{
    Screen t;
    EXPECT_TRUE(t.s.isMaximized());
    EXPECT_EQ(t.current("品番"), QStringLiteral("P100"));
    EXPECT_TRUE(t.s.classNameEdit()->isReadOnly());
    EXPECT_EQ(t.s.classNameEdit()->focusPolicy(), Qt::NoFocus);

    t.s.doNew();
    EXPECT_EQ(t.s.labelBox()->currentText(), QStringLiteral("○"));
    EXPECT_EQ(t.current("送状印刷"), QStringLiteral("○"));
    typeText(t.edit("品番"), QStringLiteral("P200"));
    typeText(t.edit("品名"), QStringLiteral("梨"));
    EXPECT_FALSE(t.s.doPost());
    EXPECT_EQ(t.p.lastText(), QStringLiteral("品番が重複していないか確認してください"));
    EXPECT_EQ(t.s.mode(), ModeNew);
    EXPECT_EQ(t.edit("品名")->text(), QStringLiteral("梨"));

    retype(t.edit("品番"), QStringLiteral("P400"));
    retype(t.edit("定価"), QStringLiteral("12x00"));   // a letter is not taken by the money field
    EXPECT_TRUE(t.s.doPost());
    EXPECT_EQ(t.s.mode(), ModeBrowse);
    EXPECT_EQ(column(t.home.db(), QStringLiteral("SELECT 送状印刷 FROM msyohin WHERE 品番='P400'")), QStringLiteral("○"));
    EXPECT_EQ(t.home.db().scalar(QStringLiteral("SELECT 定価 FROM msyohin WHERE 品番='P400'")).toInt(), 1200);

    // An empty product number is not refused by the screen: the table decides (it takes the row).
    t.s.doNew();
    typeText(t.edit("品名"), QStringLiteral("無番"));
    EXPECT_TRUE(t.s.doPost());
    EXPECT_EQ(t.home.db().scalar(QStringLiteral("SELECT count(*) FROM msyohin WHERE 品名='無番'")).toInt(), 1);
}

TEST(ProductMaster, DisplayOrderSwitchesBetweenNumberAndClassification)
{
    Screen t;
    auto order = [&] {
        QStringList out;
        for (int r = 0; r < t.s.query().recordCount(); ++r)
            out << t.s.query().value(r, t.s.query().field(QStringLiteral("品番")).index()).toString();
        return out;
    };
    EXPECT_EQ(t.s.orderBox()->currentText(), QStringLiteral("品番順"));
    EXPECT_EQ(order(), (QStringList{"P100", "P200", "P300"}));
    t.s.orderBox()->setCurrentIndex(1);
    EXPECT_EQ(t.s.orderBox()->currentText(), QStringLiteral("分類CODE順"));
    EXPECT_EQ(order(), (QStringList{"P300", "P200", "P100"}));
}

TEST(ProductMaster, UnknownClassificationIsReportedEachTimeTheBoxIsLeft)
{
    Screen t;
    ASSERT_TRUE(t.s.query().locateExact(QStringLiteral("品番"), QStringLiteral("P100")));
    t.s.doEdit();

    // A registered code brings its name.
    t.typeClass(QStringLiteral("A"));
    t.leaveClass();
    EXPECT_EQ(t.s.classNameEdit()->text(), QStringLiteral("果物"));
    EXPECT_TRUE(t.p.shown().empty());

    // An unknown one: error, name emptied, the focus goes back; leaving again repeats it.
    t.typeClass(QStringLiteral("Z"));
    t.leaveClass();
    ASSERT_EQ(t.p.shown().size(), 1u);
    EXPECT_EQ(t.p.shown().back().title, QStringLiteral("エラー"));
    EXPECT_EQ(t.s.classNameEdit()->text(), QString());
    EXPECT_TRUE(t.s.classBox()->hasFocus());
    t.leaveClass();
    EXPECT_EQ(t.p.shown().size(), 2u);
    EXPECT_TRUE(t.s.classBox()->hasFocus());

    // Emptied: the same error; "決定" still posts, without classification.
    t.typeClass(QString());
    t.leaveClass();
    EXPECT_EQ(t.p.shown().size(), 3u);
    EXPECT_TRUE(t.s.doPost());
    EXPECT_EQ(t.p.shown().size(), 4u);   // the box was left once more by "決定"
    EXPECT_EQ(t.s.mode(), ModeBrowse);
    EXPECT_TRUE(t.home.db().scalar(QStringLiteral("SELECT 分類CODE FROM msyohin WHERE 品番='P100'")).isNull());
    EXPECT_TRUE(t.home.db().scalar(QStringLiteral("SELECT 分類名 FROM msyohin WHERE 品番='P100'")).isNull());

    // In browse mode nothing is checked.
    t.s.classBox()->setFocus();
    t.leaveClass();
    EXPECT_EQ(t.p.shown().size(), 4u);
}

TEST(ProductMaster, ClassificationDropDownTakesThePickedRow)
{
    Screen t;
    // Only in new and edit modes.
    auto ran = whenModal([](QWidget *w) {
        if (auto *l = qobject_cast<TfList *>(w))
            l->closeButton()->click();
    });
    t.s.classBox()->showPopup();
    QApplication::processEvents();
    EXPECT_TRUE(*ran);

    t.s.doNew();
    QString caption;
    ran = whenModal([&](QWidget *w) {
        auto *l = qobject_cast<TfList *>(w);
        ASSERT_NE(l, nullptr);
        caption = l->windowTitle();
        l->query()->next();   // B 野菜
        l->okButton()->click();
    });
    t.s.classBox()->showPopup();
    EXPECT_TRUE(*ran);
    EXPECT_EQ(caption, QStringLiteral("分類セット"));
    EXPECT_EQ(t.s.classBox()->currentText(), QStringLiteral("B"));
    EXPECT_EQ(t.s.classNameEdit()->text(), QStringLiteral("野菜"));
    // The picked code is the remembered one: leaving the box looks nothing up.
    t.s.classBox()->setFocus();
    t.leaveClass();
    EXPECT_TRUE(t.p.shown().empty());
    typeText(t.edit("品番"), QStringLiteral("P500"));
    EXPECT_TRUE(t.s.doPost());
    EXPECT_EQ(column(t.home.db(), QStringLiteral("SELECT 分類名 FROM msyohin WHERE 品番='P500'")), QStringLiteral("野菜"));
}

TEST(ProductMaster, FindMovesToTheProductChosenInTheSearch)
{
    Screen t;
    auto ran = whenModal([](QWidget *w) {
        auto *f = qobject_cast<TfMSyohinFind *>(w);
        ASSERT_NE(f, nullptr);
        typeText(f->findEdit(), QStringLiteral("P3"));
        f->okButton()->click();
    });
    t.s.doFind();
    EXPECT_TRUE(*ran);
    EXPECT_EQ(t.current("品番"), QStringLiteral("P300"));

    ran = whenModal([](QWidget *w) { qobject_cast<TfMSyohinFind *>(w)->closeButton()->click(); });
    t.s.doFind();
    EXPECT_TRUE(*ran);
    EXPECT_EQ(t.current("品番"), QStringLiteral("P300"));
    EXPECT_TRUE(TfMSyohinFind::instance().RsltHinban.isEmpty());
}
