#include "address/postal_command.h"
#include "address/postal_sources.h"
#include "postal_fixture.h"
#include "store/sjis.h"

#include <QFile>

using namespace address;

namespace {
QStringList row(store::Database &db, const QString &sql, const QVariantList &params = {})
{
    store::Statement st = db.prepare(sql);
    st.bindAll(params);
    QStringList out;
    if (st.step())
        for (int i = 0; i < st.columnCount(); ++i)
            out << (st.isNull(i) ? QStringLiteral("<null>") : st.value(i).toString());
    return out;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
} // namespace

TEST(PostalImport, KenAllBuildsTheLevelsWithCodesAndWholeNames)
{
    PostalHome home;
    // 33 lines, one town name continued over three lines.
    EXPECT_EQ(home.result.counts.areas, 31);
    EXPECT_EQ(home.result.counts.prefectures, 4);
    // 千代田区 台東区 西多摩郡 千歳市 札幌市中央区 伊達市 郡山市 伊達郡 伊達市 京都市上京区
    EXPECT_EQ(home.result.counts.cities, 10);
    EXPECT_EQ(home.result.counts.towns, 3);      // 奥多摩町 檜原村 川俣町
    store::Database &db = home.postal();

    const QString areaSql = QStringLiteral("SELECT 県CODE, 市区CODE, 町村CODE, 県名, 市区名, 町村名, 町域名, 町域カナ, 住所 "
                                           "FROM mtyoiki WHERE 郵便番号=?");
    EXPECT_EQ(row(db, areaSql, {QStringLiteral("100-0001")}),
              (QStringList{"13", "001", "<null>", "東京都", "千代田区", "<null>", "千代田", "ﾁﾖﾀﾞ", "東京都千代田区千代田"}));
    // A district's town: the district is the city-level unit, the town its own level.
    const QStringList hikawa = row(db, areaSql, {QStringLiteral("198-0212")});
    EXPECT_EQ(hikawa.mid(3), (QStringList{"東京都", "西多摩郡", "奥多摩町", "氷川", "ﾋｶﾜ", "東京都西多摩郡奥多摩町氷川"}));
    EXPECT_EQ(row(db, QStringLiteral("SELECT 市区カナ FROM msiku WHERE 市区名='西多摩郡'")), QStringList{"ﾆｼﾀﾏｸﾞﾝ"});
    EXPECT_EQ(row(db, QStringLiteral("SELECT 町村カナ FROM mtyoson WHERE 町村名='奥多摩町'")), QStringList{"ｵｸﾀﾏﾏﾁ"});
    EXPECT_EQ(row(db, QStringLiteral("SELECT count(*) FROM mtyoson WHERE 県CODE=? AND 市区CODE=?"), {hikawa.at(0), hikawa.at(1)}),
              QStringList{"2"});   // 奥多摩町 and 檜原村 under one 西多摩郡
    // 郡 inside a city's own name does not split it; a ward stays with its city.
    EXPECT_EQ(row(db, QStringLiteral("SELECT 市区名, 町村名 FROM mtyoiki WHERE 郵便番号='963-8001'")),
              (QStringList{"郡山市", "<null>"}));
    EXPECT_EQ(row(db, QStringLiteral("SELECT 県CODE, 市区名 FROM mtyoiki WHERE 郵便番号='064-0941'")),
              (QStringList{"01", "札幌市中央区"}));
    // The continued name is one row with its whole (uncut) text and one reading.
    const QStringList kyowa = row(db, QStringLiteral("SELECT 町域名, 町域カナ, 文字長 FROM mtyoiki WHERE 郵便番号='066-0005'"));
    EXPECT_EQ(kyowa.at(0), QStringLiteral("協和（８８－２、２７１－１０、３４３－２、４０４－１、４２７－３、４３１－１２、４４３－６、"
                                          "６０８－２、６４１－８、８１４、８４２－５、１１３７－３、１３９２、１６５７、１７５２番地）"));
    EXPECT_EQ(kyowa.at(1), QStringLiteral("ｷｮｳﾜ"));
    EXPECT_EQ(kyowa.at(2).toInt(), sjis::byteLength(kyowa.at(0)));
    EXPECT_EQ(row(db, QStringLiteral("SELECT count(*) FROM mtyoiki WHERE 郵便番号='066-0005'")), QStringList{"1"});
    // The catch-all row keeps its name; town areas keep the file's order within their city.
    EXPECT_EQ(row(db, QStringLiteral("SELECT 町域名, 町域CODE FROM mtyoiki WHERE 郵便番号='100-0000'")),
              (QStringList{"以下に掲載がない場合", "0001"}));
    EXPECT_EQ(row(db, QStringLiteral("SELECT group_concat(町域名, ',') FROM (SELECT 町域名 FROM mtyoiki WHERE 市区名='台東区' "
                                     "ORDER BY 町域CODE)")),
              QStringList{"以下に掲載がない場合,上野,上野公園,池之端"});
    EXPECT_EQ(row(db, QStringLiteral("SELECT * FROM mdate")), QStringList{"2025/09/30"});
    EXPECT_EQ(row(db, QStringLiteral("SELECT 県名, 県カナ FROM mken WHERE 県CODE='07'")), (QStringList{"福島県", "ﾌｸｼﾏｹﾝ"}));
}

TEST(PostalImport, RefusedFilesLeaveTheOldDictionary)
{
    PostalHome home;
    const QString target = store::Session::postalPath();
    QByteArray good = sjis::encode(QStringLiteral("13101,\"100  \",\"1000001\",\"ﾄｳｷｮｳﾄ\",\"ﾁﾖﾀﾞｸ\",\"ﾁﾖﾀﾞ\",\"東京都\",\"千代田区\",\"千代田\",0,0,0,0,0,0\r\n"));
    struct Case {
        const char *what;
        QByteArray bytes;
        const char *message;
    };
    const QList<Case> cases = {
        {"empty file", QByteArray(), "データがありません"},
        {"blank lines only", QByteArray("\r\n\r\n"), "データがありません"},
        {"14 columns", sjis::encode(QStringLiteral("13101,\"100  \",\"1000001\",\"ﾄｳｷｮｳﾄ\",\"ﾁﾖﾀﾞｸ\",\"ﾁﾖﾀﾞ\",\"東京都\",\"千代田区\",\"千代田\",0,0,0,0,0\r\n")),
         "15 列"},
        {"valid rows, then a bad one", good + QByteArray("a,b,c\r\n"), "2 行目"},
        {"not Shift-JIS", good + QByteArray("\x81\x20\x81\r\n"), "Shift-JIS"},
        {"not postal codes", sjis::encode(QStringLiteral("a,b,c,d,e,f,g,h,i,j,k,l,m,n,o\r\n")), "郵便番号"},
    };
    for (const Case &c : cases) {
        const QString file = home.file(QStringLiteral("bad.csv"));
        writeFile(file, c.bytes);
        const ImportResult r = importKenAll(file, target, QStringLiteral("2026/01/01"));
        EXPECT_FALSE(r.ok) << c.what;
        EXPECT_TRUE(r.error.contains(QString::fromUtf8(c.message))) << c.what << ": " << r.error.toStdString();
        EXPECT_EQ(PostalDataDate(), QStringLiteral("2025/09/30")) << c.what;
        EXPECT_EQ(home.postal().scalar(QStringLiteral("SELECT count(*) FROM mtyoiki")).toInt(), 31) << c.what;
        EXPECT_FALSE(QFile::exists(target + QStringLiteral(".new"))) << c.what;
    }
    EXPECT_FALSE(importKenAll(home.file(QStringLiteral("missing.csv")), target, QString()).ok);
    // A good file replaces the dictionary.
    const QString file = home.file(QStringLiteral("good.csv"));
    writeFile(file, good);
    const ImportResult r = importKenAll(file, target, QStringLiteral("2026/01/01"));
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(PostalDataDate(), QStringLiteral("2026/01/01"));
    EXPECT_EQ(home.postal().scalar(QStringLiteral("SELECT count(*) FROM mtyoiki")).toInt(), 1);
}

TEST(PostalImport, JpostalJsonLeavesOutOfficesAndNamesTheCatchAll)
{
    TempHome home;
    QDir().mkpath(home.file(QStringLiteral("json")));
    // The package's JSONP files, as \u escapes like the real ones.
    writeFile(home.file(QStringLiteral("json/100.json")),
              "jQuery_jpostal_callback(\n[[\"_1000000\",\"\\u6771\\u4eac\\u90fd\",\"\\u5343\\u4ee3\\u7530\\u533a\",\"\",\"\",\"\","
              "\"\\uff84\\uff73\\uff77\\uff6e\\uff73\\uff84\",\"\\uff81\\uff96\\uff80\\uff9e\\uff78\",\"\"],"
              "[\"_1000001\",\"\\u6771\\u4eac\\u90fd\",\"\\u5343\\u4ee3\\u7530\\u533a\",\"\\u5343\\u4ee3\\u7530\",\"\",\"\","
              "\"\\uff84\\uff73\\uff77\\uff6e\\uff73\\uff84\",\"\\uff81\\uff96\\uff80\\uff9e\\uff78\",\"\\uff81\\uff96\\uff80\\uff9e\"],"
              "[\"_1008799\",\"\\u6771\\u4eac\\u90fd\",\"\\u5343\\u4ee3\\u7530\\u533a\",\"\\u5343\\u4ee3\\u7530\",\"1-1\",\"\\u4f1a\\u793e\","
              "\"\\uff84\\uff73\\uff77\\uff6e\\uff73\\uff84\",\"\\uff81\\uff96\\uff80\\uff9e\\uff78\",\"\"],"
              "[\"_100\",\"\\u6771\\u4eac\\u90fd\",\"\\u5343\\u4ee3\\u7530\\u533a\",\"\",\"\",\"\",\"\",\"\",\"\"]]\n);\n");
    writeFile(home.file(QStringLiteral("json/198.json")),
              "jQuery_jpostal_callback(\n[[\"_1980212\",\"\\u6771\\u4eac\\u90fd\",\"\\u897f\\u591a\\u6469\\u90e1\\u5965\\u591a\\u6469\\u753a\","
              "\"\\u6c37\\u5ddd\",\"\",\"\",\"\\uff84\\uff73\\uff77\\uff6e\\uff73\\uff84\","
              "\"\\uff86\\uff7c\\uff80\\uff8f\\uff78\\uff9e\\uff9d\\uff75\\uff78\\uff80\\uff8f\\uff8f\\uff81\",\"\\uff8b\\uff76\\uff9c\"]]\n);\n");
    const ImportResult r = importJpostal(home.file(QStringLiteral("json")), store::Session::postalPath(), QStringLiteral("2025/09/30"));
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(r.counts.areas, 3);
    store::Database &db = postalDatabase();
    EXPECT_EQ(row(db, QStringLiteral("SELECT 町域名, 町域カナ FROM mtyoiki WHERE 郵便番号='100-0000'")),
              (QStringList{"以下に掲載がない場合", "ｲｶﾆｹｲｻｲｶﾞﾅｲﾊﾞｱｲ"}));
    EXPECT_EQ(row(db, QStringLiteral("SELECT 市区名, 町村名, 町域名 FROM mtyoiki WHERE 郵便番号='198-0212'")),
              (QStringList{"西多摩郡", "奥多摩町", "氷川"}));
    EXPECT_EQ(row(db, QStringLiteral("SELECT count(*) FROM mtyoiki WHERE 郵便番号='100-8799'")), QStringList{"0"});
    closePostalDatabase();

    // A folder without the json files is refused.
    EXPECT_FALSE(importJpostal(home.file(QStringLiteral("data")), store::Session::postalPath(), QString()).ok);
}

TEST(PostalImport, CitySplitKeepsCitiesWhole)
{
    struct Case {
        const char *name, *kana, *city, *cityKana, *town, *townKana;
    };
    const Case cases[] = {
        {"西多摩郡奥多摩町", "ﾆｼﾀﾏｸﾞﾝｵｸﾀﾏﾏﾁ", "西多摩郡", "ﾆｼﾀﾏｸﾞﾝ", "奥多摩町", "ｵｸﾀﾏﾏﾁ"},
        {"余市郡赤井川村", "ﾖｲﾁｸﾞﾝｱｶｲｶﾞﾜﾑﾗ", "余市郡", "ﾖｲﾁｸﾞﾝ", "赤井川村", "ｱｶｲｶﾞﾜﾑﾗ"},
        {"郡山市", "ｺｵﾘﾔﾏｼ", "郡山市", "ｺｵﾘﾔﾏｼ", "", ""},
        {"大和郡山市", "ﾔﾏﾄｺｵﾘﾔﾏｼ", "大和郡山市", "ﾔﾏﾄｺｵﾘﾔﾏｼ", "", ""},
        {"蒲郡市", "ｶﾞﾏｺﾞｵﾘｼ", "蒲郡市", "ｶﾞﾏｺﾞｵﾘｼ", "", ""},
        {"札幌市中央区", "ｻｯﾎﾟﾛｼﾁｭｳｵｳｸ", "札幌市中央区", "ｻｯﾎﾟﾛｼﾁｭｳｵｳｸ", "", ""},
    };
    for (const Case &c : cases) {
        const CitySplit s = splitCity(QString::fromUtf8(c.name), QString::fromUtf8(c.kana));
        EXPECT_EQ(s.city, QString::fromUtf8(c.city)) << c.name;
        EXPECT_EQ(s.cityKana, QString::fromUtf8(c.cityKana)) << c.name;
        EXPECT_EQ(s.town, QString::fromUtf8(c.town)) << c.name;
        EXPECT_EQ(s.townKana, QString::fromUtf8(c.townKana)) << c.name;
    }
}

TEST(PostalImport, CommandLineReportsAndRefuses)
{
    TempHome home;
    closePostalDatabase();
    const QString csv = fixturePath(QStringLiteral("KEN_ALL_sample.csv"));
    EXPECT_EQ(runPostalCommand({"postal", "import", csv, "2025/09/30"}, home.path()), 0);
    EXPECT_EQ(PostalDataDate(), QStringLiteral("2025/09/30"));
    writeFile(home.file(QStringLiteral("utf8.csv")), QStringLiteral("東京都,千代田区\n").toUtf8());
    EXPECT_EQ(runPostalCommand({"postal", "import", home.file(QStringLiteral("utf8.csv"))}, home.path()), 1);
    EXPECT_EQ(runPostalCommand({"postal", "import"}, home.path()), 2);
    EXPECT_EQ(runPostalCommand({"postal", "export", csv}, home.path()), 2);
    EXPECT_EQ(postalDatabase().scalar(QStringLiteral("SELECT count(*) FROM mtyoiki")).toInt(), 31);
    closePostalDatabase();
}
