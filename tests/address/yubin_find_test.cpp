#include "address/yubin_find.h"
#include "app/common/prompter.h"
#include "postal_fixture.h"
#include "store/company_settings.h"
#include "typing.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

using namespace minori;
using Level = TfYubinFind::Level;

namespace {
QString current(store::Dataset &d, const char *column) { return d.field(QString::fromUtf8(column)).asString(); }

QStringList names(store::Dataset &d, const char *column)
{
    QStringList out;
    for (int r = 0; r < d.recordCount(); ++r)
        out << d.value(r, d.field(QString::fromUtf8(column)).index()).toString();
    return out;
}

void key(QWidget *w, Qt::Key k) { QTest::keyClick(w, k); }
} // namespace

TEST(YubinFind, YubinNoToAdrsTakesOnlyASingleMatch)
{
    PostalHome home;
    ScopedRecordingPrompter p;
    TfYubinFind f;
    struct Case {
        const char *code;
        int count;
        const char *adrs1, *adrs2, *no;
    };
    const Case cases[] = {
        {"100-0001", 1, "東京都千代田区", "千代田", "100-0001"},
        {"1980212", 1, "東京都西多摩郡奥多摩町", "氷川", "198-0212"},   // typed without hyphen
        {"１９８０２１２", 1, "東京都西多摩郡奥多摩町", "氷川", "198-0212"},   // in full-width digits
        {"963-8002", 2, "", "", ""},                                       // one code, two town areas
        {"999-9999", 0, "", "", ""},
        {"100", 3, "", "", ""},                                            // a partial code lists them all
        {"", 0, "", "", ""},
    };
    for (const Case &c : cases) {
        f.RsltYubinNo = QStringLiteral("stale");
        EXPECT_EQ(f.YubinNoToAdrs(QString::fromUtf8(c.code)), c.count) << c.code;
        EXPECT_EQ(f.RsltYubinNo, QString::fromUtf8(c.no)) << c.code;
        EXPECT_EQ(f.RsltAdrs1, QString::fromUtf8(c.adrs1)) << c.code;
        EXPECT_EQ(f.RsltAdrs2, QString::fromUtf8(c.adrs2)) << c.code;
        EXPECT_FALSE(f.codeQuery().isOpen());
    }
    // The result's SQL finds the row again.
    ASSERT_EQ(f.YubinNoToAdrs(QStringLiteral("198-0212")), 1);
    store::Dataset again(home.postal());
    again.open(f.RsltSql);
    ASSERT_EQ(again.recordCount(), 1);
    EXPECT_EQ(current(again, "町域名"), QStringLiteral("氷川"));
    EXPECT_EQ(TfYubinFind::PostalDataDate(), QStringLiteral("2025/09/30"));
}

TEST(YubinFind, WithoutDictionaryNothingMatchesAndTheDateIsUnknown)
{
    TempHome home;
    address::closePostalDatabase();
    ScopedRecordingPrompter p;
    TfYubinFind f;
    EXPECT_EQ(f.YubinNoToAdrs(QStringLiteral("100-0001")), 0);
    EXPECT_EQ(TfYubinFind::PostalDataDate(), QStringLiteral("不明"));
    f.show();
    EXPECT_EQ(p.shown().size(), 1u);
    EXPECT_EQ(p.shown().front().title, QStringLiteral("エラー"));
    f.reject();
}

TEST(YubinFind, CodeTabInsertsTheHyphenAndTakesTheChosenRow)
{
    PostalHome home;
    ScopedRecordingPrompter p;
    TfYubinFind f;
    f.FindYubinNo = QStringLiteral("1980212");
    f.show();
    EXPECT_TRUE(f.FindYubinNo.isEmpty());
    EXPECT_EQ(f.tabs()->tabText(f.tabs()->currentIndex()), QStringLiteral("郵便番号で検索"));
    EXPECT_EQ(f.codeEdit()->text(), QStringLiteral("198-0212"));
    EXPECT_EQ(f.codeQuery().recordCount(), 1);

    // Three digits list every code of the area.
    retype(f.codeEdit(), QStringLiteral("101"));
    key(f.codeEdit(), Qt::Key_Return);
    EXPECT_EQ(names(f.codeQuery(), "町域名"), (QStringList{"外神田", "神田佐久間町", "神田佐久間河岸"}));
    retype(f.codeEdit(), QStringLiteral("1010025"));
    key(f.codeEdit(), Qt::Key_Return);
    EXPECT_EQ(f.codeEdit()->text(), QStringLiteral("101-0025"));
    ASSERT_EQ(f.codeQuery().recordCount(), 1);
    key(f.codeGrid(), Qt::Key_Return);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(f.RsltYubinNo, QStringLiteral("101-0025"));
    EXPECT_EQ(f.RsltAdrs1, QStringLiteral("東京都千代田区"));
    EXPECT_EQ(f.RsltAdrs2, QStringLiteral("神田佐久間町"));
    EXPECT_TRUE(p.shown().empty());
}

TEST(YubinFind, WalkingDownWithAndWithoutTownLevelAndGoingUp)
{
    PostalHome home;
    ScopedRecordingPrompter p;
    TfYubinFind f;
    f.show();
    EXPECT_EQ(f.tabs()->tabText(f.tabs()->currentIndex()), QStringLiteral("住所で検索"));
    EXPECT_EQ(f.level(), Level::Prefecture);
    EXPECT_TRUE(f.orderGroup()->isVisible());
    // Kana order by default: ｷｮｳﾄﾌ ﾄｳｷｮｳﾄ ﾌｸｼﾏｹﾝ ﾎｯｶｲﾄﾞｳ.
    EXPECT_EQ(names(f.levelQuery(Level::Prefecture), "県名"), (QStringList{"京都府", "東京都", "福島県", "北海道"}));

    // Kana seek moves the list; Enter goes down.
    typeText(f.kanaEdit(), QStringLiteral("ﾄｳ"));
    EXPECT_EQ(current(f.levelQuery(Level::Prefecture), "県名"), QStringLiteral("東京都"));
    key(f.kanaEdit(), Qt::Key_Return);
    EXPECT_EQ(f.level(), Level::City);
    EXPECT_FALSE(f.orderGroup()->isVisible());
    EXPECT_EQ(f.selectionEdit()->text(), QStringLiteral("東京都"));
    EXPECT_TRUE(f.kanaEdit()->text().isEmpty());
    EXPECT_EQ(names(f.levelQuery(Level::City), "市区名"), (QStringList{"台東区", "千代田区", "西多摩郡"}));

    // A city without towns and villages goes straight to its town areas; やり直し returns to the city list.
    typeText(f.kanaEdit(), QStringLiteral("ﾀ"));
    key(f.kanaEdit(), Qt::Key_Return);
    EXPECT_EQ(f.level(), Level::Area);
    EXPECT_EQ(f.selectionEdit()->text(), QStringLiteral("東京都台東区"));
    EXPECT_EQ(names(f.levelQuery(Level::Area), "町域名"), (QStringList{"以下に掲載がない場合", "上野", "上野公園", "池之端"}));
    f.GoUp();
    EXPECT_EQ(f.level(), Level::City);
    EXPECT_EQ(f.selectionEdit()->text(), QStringLiteral("東京都"));

    // A district has its own town/village level; Up/Down in the kana box move the list.
    typeText(f.kanaEdit(), QStringLiteral("ﾆ"));
    key(f.kanaEdit(), Qt::Key_Return);
    EXPECT_EQ(f.level(), Level::Town);
    EXPECT_EQ(f.selectionEdit()->text(), QStringLiteral("東京都西多摩郡"));
    EXPECT_EQ(current(f.levelQuery(Level::Town), "町村名"), QStringLiteral("奥多摩町"));
    key(f.kanaEdit(), Qt::Key_Down);
    EXPECT_EQ(current(f.levelQuery(Level::Town), "町村名"), QStringLiteral("檜原村"));
    key(f.kanaEdit(), Qt::Key_Up);
    EXPECT_EQ(current(f.levelQuery(Level::Town), "町村名"), QStringLiteral("奥多摩町"));
    key(f.kanaEdit(), Qt::Key_Return);
    EXPECT_EQ(f.level(), Level::Area);
    EXPECT_EQ(f.selectionEdit()->text(), QStringLiteral("東京都西多摩郡奥多摩町"));
    // Backspace in the empty kana box goes up to the towns, Escape on the list to the cities.
    key(f.kanaEdit(), Qt::Key_Backspace);
    EXPECT_EQ(f.level(), Level::Town);
    key(f.levelGrid(Level::Town), Qt::Key_Escape);
    EXPECT_EQ(f.level(), Level::City);
    EXPECT_TRUE(f.isVisible());
    f.GoUp();
    EXPECT_EQ(f.level(), Level::Prefecture);
    EXPECT_TRUE(f.orderGroup()->isVisible());
    EXPECT_TRUE(f.selectionEdit()->text().isEmpty());

    // Down to a town area and take it; kana typed as hiragana still seeks.
    f.GoDown();   // 東京都 is still current
    typeText(f.kanaEdit(), QStringLiteral("に"));
    key(f.kanaEdit(), Qt::Key_Return);
    key(f.kanaEdit(), Qt::Key_Return);
    typeText(f.kanaEdit(), QStringLiteral("ひか"));
    key(f.kanaEdit(), Qt::Key_Return);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.RsltYubinNo, QStringLiteral("198-0212"));
    EXPECT_EQ(f.RsltAdrs1, QStringLiteral("東京都西多摩郡奥多摩町"));
    EXPECT_EQ(f.RsltAdrs2, QStringLiteral("氷川"));
    EXPECT_TRUE(p.shown().empty());
}

TEST(YubinFind, PrefectureOrderIsStoredInSystem)
{
    PostalHome home;
    ScopedRecordingPrompter p;
    TfYubinFind f;
    f.show();
    EXPECT_TRUE(f.kanaOrderButton()->isChecked());
    f.regionOrderButton()->click();
    EXPECT_EQ(names(f.levelQuery(Level::Prefecture), "県名"), (QStringList{"北海道", "福島県", "東京都", "京都府"}));
    f.reject();
    EXPECT_EQ(store::systemValue(home.db(), QStringLiteral("住所検索県ソート種別")).toInt(), 2);
    f.show();
    EXPECT_TRUE(f.regionOrderButton()->isChecked());
    EXPECT_EQ(current(f.levelQuery(Level::Prefecture), "県名"), QStringLiteral("北海道"));
    f.reject();
}

TEST(YubinFind, CitySearch)
{
    PostalHome home;
    ScopedRecordingPrompter p;
    TfYubinFind f;
    f.show();
    // Typed without 市: found, and the walk goes on to its town areas.
    retype(f.cityEdit(), QStringLiteral("郡山"));
    key(f.cityEdit(), Qt::Key_Return);
    EXPECT_EQ(p.lastText(), QStringLiteral("郡山市 発見"));
    EXPECT_EQ(f.level(), Level::Area);
    EXPECT_EQ(f.selectionEdit()->text(), QStringLiteral("福島県郡山市"));
    f.GoUp();
    EXPECT_EQ(f.level(), Level::City);
    EXPECT_EQ(current(f.levelQuery(Level::Prefecture), "県名"), QStringLiteral("福島県"));
    // With 市 typed it is not doubled; a ward's city is not a city of the dictionary.
    retype(f.cityEdit(), QStringLiteral("千歳市"));
    f.SearchCity();
    EXPECT_EQ(p.lastText(), QStringLiteral("千歳市 発見"));
    EXPECT_EQ(f.selectionEdit()->text(), QStringLiteral("北海道千歳市"));
    // A name two prefectures share: both are listed and each goes down in its own prefecture.
    retype(f.cityEdit(), QStringLiteral("伊達"));
    f.SearchCity();
    EXPECT_EQ(p.lastText(), QStringLiteral("伊達市 発見"));
    EXPECT_EQ(f.selectionEdit()->text(), QStringLiteral("北海道伊達市"));
    EXPECT_EQ(current(f.levelQuery(Level::Area), "郵便番号"), QStringLiteral("052-0000"));
    f.GoUp();
    EXPECT_EQ(f.levelQuery(Level::City).recordCount(), 2);
    key(f.kanaEdit(), Qt::Key_Down);
    key(f.kanaEdit(), Qt::Key_Return);
    EXPECT_EQ(f.selectionEdit()->text(), QStringLiteral("福島県伊達市"));
    EXPECT_EQ(current(f.levelQuery(Level::Area), "郵便番号"), QStringLiteral("960-0400"));
    for (const char *name : {"札幌", "千代田区"}) {
        retype(f.cityEdit(), QString::fromUtf8(name));
        f.SearchCity();
        EXPECT_TRUE(p.lastText().endsWith(QStringLiteral(" 見つかりません"))) << name;
        EXPECT_EQ(f.level(), Level::Prefecture);
    }
    EXPECT_EQ(p.lastText(), QStringLiteral("千代田区市 見つかりません"));
    f.reject();
}

TEST(YubinFind, WalkFromAnAddressTakesTheLongestNames)
{
    PostalHome home;
    ScopedRecordingPrompter p;
    TfYubinFind f;
    struct Case {
        const char *address;
        Level level;
        const char *selection;
        const char *currentName;    // of the visible list
    };
    const Case cases[] = {
        {"東京都西多摩郡奥多摩町川井野１２３", Level::Area, "東京都西多摩郡奥多摩町", "川井野"},
        {"東京都西多摩郡奥多摩町川井１２３", Level::Area, "東京都西多摩郡奥多摩町", "川井"},
        {"東京都台東区上野公園７－２０", Level::Area, "東京都台東区", "上野公園"},
        {"東京都西多摩郡日の出町", Level::Town, "東京都西多摩郡", "奥多摩町"},   // no such town: stays on the towns
        {"東京都新宿区", Level::City, "東京都", "台東区"},                      // no such city: stays on the cities
        {"大阪府大阪市", Level::Prefecture, "", "京都府"},                      // no prefecture: the first row
    };
    const char *column[] = {"県名", "市区名", "町村名", "町域名"};
    for (const Case &c : cases) {
        f.FindAdrs = QString::fromUtf8(c.address);
        f.show();
        EXPECT_TRUE(f.FindAdrs.isEmpty());
        EXPECT_EQ(f.tabs()->currentIndex(), 1);
        EXPECT_EQ(f.level(), c.level) << c.address;
        EXPECT_EQ(f.selectionEdit()->text(), QString::fromUtf8(c.selection)) << c.address;
        EXPECT_EQ(current(f.levelQuery(c.level), column[static_cast<int>(c.level)]), QString::fromUtf8(c.currentName))
            << c.address;
        f.reject();
    }
    EXPECT_TRUE(p.shown().empty());
}

TEST(YubinFind, FuzzySearchDecideAndNeighbourhood)
{
    PostalHome home;
    ScopedRecordingPrompter p;
    TfYubinFind f;
    f.show();
    f.tabs()->setCurrentIndex(2);
    // No words, nothing chosen.
    retype(f.fuzzyEdit(), QStringLiteral("　 "));
    key(f.fuzzyEdit(), Qt::Key_Return);
    EXPECT_EQ(p.lastText(), QStringLiteral("検索する部分住所を入力してください。"));
    f.DecideFuzzy();
    EXPECT_EQ(p.lastText(), QStringLiteral("データが選択されていません"));
    f.ShowNeighbourhood();
    EXPECT_EQ(p.lastText(), QStringLiteral("データが選択されていません"));

    // Two short words separated by a full-width blank: only areas holding both.
    retype(f.fuzzyEdit(), QStringLiteral("上野　東京"));
    key(f.fuzzyEdit(), Qt::Key_Return);
    EXPECT_EQ(names(f.fuzzyQuery(), "町域名"), (QStringList{"上野", "上野公園"}));
    f.fuzzyQuery().last();
    f.grab().save(home.file(QStringLiteral("yubin-fuzzy.png")));
    if (qEnvironmentVariableIsSet("MINORI_SHOTS"))
        f.grab().save(qEnvironmentVariable("MINORI_SHOTS") + QStringLiteral("/yubin-fuzzy.png"));

    // 付近を参照 walks the address tab down to the chosen area.
    f.ShowNeighbourhood();
    EXPECT_EQ(f.tabs()->currentIndex(), 1);
    EXPECT_EQ(f.level(), Level::Area);
    EXPECT_EQ(f.selectionEdit()->text(), QStringLiteral("東京都台東区"));
    EXPECT_EQ(current(f.levelQuery(Level::Area), "町域名"), QStringLiteral("上野公園"));
    if (qEnvironmentVariableIsSet("MINORI_SHOTS"))
        f.grab().save(qEnvironmentVariable("MINORI_SHOTS") + QStringLiteral("/yubin-walk.png"));

    f.tabs()->setCurrentIndex(2);
    retype(f.fuzzyEdit(), QStringLiteral("氷川"));
    f.SearchFuzzy();
    key(f.fuzzyGrid(), Qt::Key_Return);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.RsltYubinNo, QStringLiteral("198-0212"));
    EXPECT_EQ(p.shown().size(), 3u);
}

TEST(YubinFind, FuzzySearchOnAnOldDictionaryFailsWithAMessage)
{
    PostalHome home;
    {
        // A dictionary of the old layout: no 住所 column and no index.
        store::Database db(store::Session::postalPath());
        db.exec(QStringLiteral("DROP TABLE mtyoiki_fts"));
        db.exec(QStringLiteral("ALTER TABLE mtyoiki DROP COLUMN 住所"));
        db.exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
    }
    address::closePostalDatabase();
    ScopedRecordingPrompter p;
    TfYubinFind f;
    f.show();
    retype(f.fuzzyEdit(), QStringLiteral("上野"));
    f.SearchFuzzy();
    ASSERT_EQ(p.shown().size(), 1u);
    EXPECT_EQ(p.shown().front().title, QStringLiteral("エラー"));
    EXPECT_EQ(p.lastText(), QStringLiteral("検索できません。郵便辞書が古い可能性があります。"));
    // The screen stays usable.
    EXPECT_EQ(f.YubinNoToAdrs(QStringLiteral("100-0001")), 1);
    f.WalkFromAddress(QStringLiteral("東京都台東区上野"));
    EXPECT_EQ(f.level(), Level::Area);
    f.reject();
}
