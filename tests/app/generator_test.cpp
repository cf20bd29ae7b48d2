#include "app/gen/generator.h"
#include "store/sjis.h"
#include "temp_home.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {
int count(store::Database &db, const QString &sql) { return db.scalar(sql).toInt(); }
} // namespace

TEST(Generator, FillsConsistentSlipsAndAdvancesTheCounters)
{
    TempHome home;
    store::Database &db = home.db();
    gen::Options o;
    o.customers = 300;
    o.slips = 200;
    o.products = 30;
    o.today = QDate(2008, 4, 5);
    gen::Result r = gen::fill(db, o);
    EXPECT_EQ(r.customers, 300);
    EXPECT_EQ(r.slips, 200);
    EXPECT_FALSE(r.postalAddresses);
    EXPECT_EQ(count(db, QStringLiteral("SELECT count(*) FROM mtokui")), 301);   // and the take-away customer
    EXPECT_EQ(count(db, QStringLiteral("SELECT count(*) FROM djumei")), r.lines);
    EXPECT_GE(r.lines, 200);
    EXPECT_LE(r.lines, 1000);

    // Totals follow the slip rules: tax on goods only, truncated; bill = total - discount - deposit.
    EXPECT_EQ(count(db, QStringLiteral(
                            "SELECT count(*) FROM djuden d WHERE "
                            "本体価格 <> (SELECT sum(金額) FROM djumei m WHERE m.伝票No=d.伝票No) "
                            "OR 送料 <> (SELECT sum(送料) FROM djumei m WHERE m.伝票No=d.伝票No) "
                            "OR 消費税 <> CAST(本体価格*消費税率/100 AS INTEGER) OR 合計金額 <> 本体価格+消費税+送料 "
                            "OR 請求金額 <> 合計金額-値引金額-内金 OR 年月 <> substr(replace(日付,'-','/'),1,7) OR 年 <> substr(日付,1,4)")),
              0);
    // Lines: consecutive numbers, keys of slip + line, amounts, the header's orderer and date.
    EXPECT_EQ(count(db, QStringLiteral(
                            "SELECT count(*) FROM djumei m JOIN djuden d ON d.伝票No=m.伝票No WHERE "
                            "m.伝行No <> m.伝票No || m.行No OR m.金額 <> m.単価*m.数量 OR m.得意先CODE <> d.得意先CODE "
                            "OR m.日付 <> d.日付 OR m.年月 <> d.年月 OR CAST(m.行No AS INTEGER) > "
                            "(SELECT count(*) FROM djumei x WHERE x.伝票No=m.伝票No)")),
              0);
    // Every code on a slip is a customer; take-away lines need no label.
    EXPECT_EQ(count(db, QStringLiteral("SELECT count(*) FROM djumei WHERE 送先CODE NOT IN (SELECT 得意先CODE FROM mtokui) "
                                       "OR 送元CODE NOT IN (SELECT 得意先CODE FROM mtokui)")),
              0);
    EXPECT_EQ(count(db, QStringLiteral("SELECT count(*) FROM djumei WHERE 送先CODE='00000000' AND 印刷<>'－'")), 0);
    EXPECT_EQ(count(db, QStringLiteral("SELECT max(日付) <= '2008-04-05' FROM djuden")), 1);

    // Customers: texts within their widths, half-width readings, telephone search keys.
    store::Statement st = db.prepare(QStringLiteral("SELECT 得意先名, フリガナ, 住所1, 住所2, 電話番号, 電話番号F FROM mtokui "
                                                    "WHERE 得意先CODE<>'00000000'"));
    while (st.step()) {
        EXPECT_LE(sjis::byteLength(st.value(0).toString()), 30);
        const QString reading = st.value(1).toString();
        EXPECT_LE(sjis::byteLength(reading), 24);
        EXPECT_EQ(sjis::byteLength(reading), reading.size()) << reading.toStdString();   // half-width only
        EXPECT_LE(sjis::byteLength(st.value(2).toString()), 30);
        EXPECT_LE(sjis::byteLength(st.value(3).toString()), 30);
        QString digits = st.value(4).toString();
        digits.remove(u'-');
        EXPECT_EQ(st.value(5).toString(), digits);
        EXPECT_GE(digits.size(), 10);
    }

    // The counters stand on the last number issued; a second run continues after them.
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNTER FROM Counter WHERE 名称='MTOKUI'")).toInt(), 300);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNTER FROM Counter WHERE 名称='DJUDEN'")).toInt(), 200);
    o.customers = 10;
    o.slips = 5;
    o.seed = 7;
    r = gen::fill(db, o);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT max(得意先CODE) FROM mtokui")).toString(), QStringLiteral("00000310"));
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT max(伝票No) FROM djuden")).toString(), QStringLiteral("00000205"));
    EXPECT_EQ(count(db, QStringLiteral("SELECT count(*) FROM msyohin")), 60);
    EXPECT_EQ(count(db, QStringLiteral("SELECT count(*) FROM mbunrui")), 4);
}

TEST(Generator, TakesAddressesFromThePostalDictionary)
{
    TempHome home;
    QDir(home.path()).mkpath(QStringLiteral("DataCom"));
    const QString postalPath = home.file(QStringLiteral("DataCom/postal.db"));
    {
        store::Database postal(postalPath);
        postal.exec(QStringLiteral("CREATE TABLE mtyoiki (県名 TEXT, 市区名 TEXT, 町村名 TEXT, 町域名 TEXT, 郵便番号 TEXT)"));
        postal.exec(QStringLiteral("INSERT INTO mtyoiki VALUES ('長野県', '上伊那郡', '宮田村', '新田', '399-4301'), "
                                   "('長野県', '上伊那郡', '宮田村', '以下に掲載がない場合', '399-4300')"));
    }
    gen::Options o;
    o.customers = 20;
    o.slips = 0;
    o.postalPath = postalPath;
    EXPECT_TRUE(gen::fill(home.db(), o).postalAddresses);
    EXPECT_EQ(count(home.db(), QStringLiteral("SELECT count(*) FROM mtokui WHERE 郵便番号='399-4301' AND 住所1='長野県上伊那郡宮田村' "
                                              "AND 住所2 LIKE '新田%'")),
              20);
}
