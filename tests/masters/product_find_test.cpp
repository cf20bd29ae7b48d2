#include "app/common/prompter.h"
#include "masters/tf_msyohin_find.h"
#include "store/company_settings.h"
#include "temp_home.h"
#include "typing.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace minori;

namespace {

void seed(store::Database &db)
{
    db.exec(QStringLiteral("INSERT INTO msyobun (分類CODE, 分類名) VALUES ('A', '果物'), ('B', '野菜')"));
    db.exec(QStringLiteral("INSERT INTO msyohin (品番, 品名, 定価, 分類CODE) VALUES "
                           "('ab1', 'りんご', 3000, 'A'), ('AB2', 'みかん', 4000, 'A'), ('C1', 'かぶ', 500, 'B'), "
                           "('D1', '箱', 100, NULL)"));
}

QStringList numbers(store::Dataset &d)
{
    QStringList out;
    for (int r = 0; r < d.recordCount(); ++r)
        out << d.value(r, d.field(QStringLiteral("品番")).index()).toString();
    return out;
}

} // namespace

TEST(ProductFind, ClassificationListNarrowsTheProductsAndItsStateIsKept)
{
    TempHome home;
    seed(home.db());
    ScopedRecordingPrompter p;
    {
        TfMSyohinFind f;
        f.show();
        EXPECT_FALSE(f.useClassBox()->isChecked());
        EXPECT_FALSE(f.classGrid()->isVisible());
        EXPECT_EQ(numbers(f.productQuery()), (QStringList{"AB2", "C1", "D1", "ab1"}));

        f.useClassBox()->setChecked(true);
        EXPECT_TRUE(f.classGrid()->isVisible());
        EXPECT_EQ(numbers(f.productQuery()), (QStringList{"AB2", "ab1"}));
        f.classQuery().next();
        EXPECT_EQ(numbers(f.productQuery()), (QStringList{"C1"}));
        f.reject();
    }
    EXPECT_TRUE(store::systemFlag(home.db(), QStringLiteral("商品検索分類使用")));

    // After a restart of the program the box is still checked; a classification row with an
    // empty code lists the products without classification.
    const QString folder = home.path();
    store::Session::close();
    store::Session::open(folder);
    home.db().exec(QStringLiteral("INSERT INTO msyobun (分類CODE, 分類名) VALUES (NULL, '未分類')"));
    TfMSyohinFind f;
    f.show();
    EXPECT_TRUE(f.useClassBox()->isChecked());
    EXPECT_TRUE(f.classGrid()->isVisible());
    ASSERT_TRUE(f.classQuery().field(QStringLiteral("分類CODE")).isBlank());
    EXPECT_EQ(numbers(f.productQuery()), (QStringList{"D1"}));

    f.useClassBox()->setChecked(false);
    EXPECT_EQ(numbers(f.productQuery()).size(), 4);
    f.reject();
    EXPECT_FALSE(store::systemFlag(home.db(), QStringLiteral("商品検索分類使用")));
}

TEST(ProductFind, TypingLocatesByNumberWithCaseAndEnterHandsItBack)
{
    TempHome home;
    seed(home.db());
    ScopedRecordingPrompter p;
    TfMSyohinFind f;
    f.show();
    struct Case {
        const char *typed, *at;
    };
    const Case cases[] = {{"a", "ab1"}, {"A", "AB2"}, {"C", "C1"}, {"CX", "C1"}};   // no match: stays
    for (const Case &c : cases) {
        retype(f.findEdit(), QString::fromUtf8(c.typed).left(1));
        typeText(f.findEdit(), QString::fromUtf8(c.typed).mid(1));
        EXPECT_EQ(f.productQuery().field(QStringLiteral("品番")).asString(), QString::fromUtf8(c.at)) << c.typed;
    }
    retype(f.findEdit(), QStringLiteral("ab"));
    QTest::keyClick(f.findEdit(), Qt::Key_Return);
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(f.RsltHinban, QStringLiteral("ab1"));

    // Reopened, the search text is empty and the list stands on its first row.
    f.show();
    EXPECT_TRUE(f.findEdit()->text().isEmpty());
    EXPECT_TRUE(f.RsltHinban.isEmpty());
    EXPECT_EQ(f.productQuery().field(QStringLiteral("品番")).asString(), QStringLiteral("AB2"));
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_EQ(f.result(), QDialog::Rejected);
    EXPECT_TRUE(f.RsltHinban.isEmpty());
}
