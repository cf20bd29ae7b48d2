#include "address/postal_search.h"
#include "postal_fixture.h"
#include "store/dataset.h"

using namespace address;

TEST(PostalSearch, HyphenWordsAndLongestPrefix)
{
    const QList<QPair<QString, QString>> codes = {{"1000001", "100-0001"}, {"100-0001", "100-0001"}, {"100", "100"},
                                                   {"1000", "100-0"},       {"", ""},                   {"10-00001", "10-00001"}};
    for (const auto &c : codes)
        EXPECT_EQ(withPostalHyphen(c.first), c.second) << c.first.toStdString();

    const QList<QPair<QString, QStringList>> words = {
        {"上野　東京", {"上野", "東京"}},
        {"　 上野  　東京 ", {"上野", "東京"}},
        {"千代田区", {"千代田区"}},
        {"　 ", {}},
        {"", {}},
    };
    for (const auto &w : words)
        EXPECT_EQ(searchWords(w.first), w.second) << w.first.toStdString();

    const QStringList names = {"京都", "東京都", "京都府", "京", ""};
    EXPECT_EQ(longestPrefixMatch(names, "京都府京都市"), 2);
    EXPECT_EQ(longestPrefixMatch(names, "京都市"), 0);
    EXPECT_EQ(longestPrefixMatch(names, "京橋"), 3);
    EXPECT_EQ(longestPrefixMatch(names, "大阪府"), -1);
    EXPECT_EQ(longestPrefixMatch({"川井", "川井"}, "川井野"), 0);   // the first one on equal length

    EXPECT_EQ(resultSql("13", "045", "004", "0043"),
              QStringLiteral("SELECT * FROM mtyoiki WHERE 県code='13' AND 市区code='045'  AND 町村code='004' AND 町域code='0043'"));
    EXPECT_EQ(resultSql("13", "001", "", "0002"),
              QStringLiteral("SELECT * FROM mtyoiki WHERE 県code='13' AND 市区code='001'   AND 町域code='0002'"));
}

// The trigram index finds nothing for words of one or two characters; the search must still
// find them, with the index and without it, and take typed wildcards literally.
TEST(PostalSearch, FuzzyWordsOfEveryLengthWithAndWithoutTheIndex)
{
    PostalHome home;
    store::Database &db = home.postal();
    ASSERT_TRUE(db.tableExists(QString::fromLatin1(kAddressIndexTable)));
    auto areas = [&](const QString &text, bool index) {
        const Query q = fuzzyAddressQuery(searchWords(text), index);
        store::Dataset d(db);
        d.open(q.sql + QStringLiteral("ORDER BY 郵便番号"), q.params);
        QStringList out;
        for (d.first(); !d.eof(); d.next())
            out << d.field(QStringLiteral("町域名")).asString();
        return out;
    };
    const QList<QPair<QString, QStringList>> cases = {
        {"上野　東京", {"上野", "上野公園"}},            // two words of two characters, full-width blank
        {"上野", {"上野", "上野公園", "東上野町"}},
        {"野", {"上野", "上野公園", "川井野", "東上野町"}},
        {"千代田区 神田佐久間", {"神田佐久間町", "神田佐久間河岸"}},   // a long word and a short one
        {"奥多摩町氷川", {"氷川"}},
        {"１７５２番地", {QStringLiteral("協和（８８－２、２７１－１０、３４３－２、４０４－１、４２７－３、４３１－１２、４４３－６、"
                                      "６０８－２、６４１－８、８１４、８４２－５、１１３７－３、１３９２、１６５７、１７５２番地）")}},
        {"%", {}},
        {"_", {}},
        {"千代田\"区", {}},
    };
    for (bool index : {true, false})
        for (const auto &c : cases)
            EXPECT_EQ(areas(c.first, index), c.second) << c.first.toStdString() << (index ? " (index)" : " (scan)");
}
