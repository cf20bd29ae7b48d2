#include "store/dataset.h"
#include "store/order_columns.h"
#include "store/session.h"
#include "store/tables.h"
#include "temp_home.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace store;

namespace {
QString declType(Database &db, const QString &table, const QString &column)
{
    return db.scalar(QStringLiteral("SELECT type FROM pragma_table_info(?) WHERE name=? COLLATE NOCASE"), {table, column})
        .toString();
}
} // namespace

TEST(Tables, FreshDataFolderHasEveryColumnWithItsWidth)
{
    TempHome home;
    Database &db = home.db();
    struct Count { const char16_t *table; int columns; };
    for (const Count &c : {Count{u"djuden", 34}, Count{u"djumei", 34}, Count{u"ijumei", 26}, Count{u"tjumeihist", 35},
                           Count{u"mtokui", 24}, Count{u"msyohin", 8}, Count{u"msyobun", 2}, Count{u"mbunrui", 2},
                           Count{u"mnyukin", 2}, Count{u"mcustom", 1}, Count{u"Counter", 4}})
        EXPECT_EQ(db.columnNames(QString::fromUtf16(c.table)).size(), c.columns) << QString::fromUtf16(c.table).toStdString();

    struct Col { const char16_t *table, *column, *type; };
    const Col cols[] = {
        {u"djuden", u"伝票No", u"TEXT(8)"},       {u"djuden", u"日付", u"DATE_TEXT"},
        {u"djuden", u"フリガナ", u"TEXT(24)"},     {u"djuden", u"電話番号F", u"TEXT(13)"},
        {u"djuden", u"請求金額", u"MONEY_INT"},    {u"djuden", u"表示MK", u"TEXT(1)"},
        {u"djuden", u"年月", u"TEXT(7)"},          {u"djuden", u"消費税率", u"FLOAT"},
        {u"djuden", u"入金種別code", u"TEXT(3)"},  {u"djuden", u"入金種別名", u"TEXT(12)"},
        {u"djumei", u"伝行No", u"TEXT(10)"},       {u"djumei", u"行No", u"TEXT(2)"},
        {u"djumei", u"数量", u"SMALLINT"},         {u"djumei", u"発送先名", u"TEXT(30)"},
        {u"djumei", u"送先郵便番号", u"TEXT(8)"},  {u"djumei", u"印刷枚数", u"SMALLINT"},
        {u"ijumei", u"行No", u"TEXT(3)"},          {u"ijumei", u"並替", u"TEXT(2)"},
        {u"tjumeihist", u"重複", u"TEXT(4)"},      {u"tjumeihist", u"伝行No", u"TEXT(10)"},
        {u"mtokui", u"得意先CODE", u"TEXT(8)"},    {u"mtokui", u"FAX番号", u"TEXT(12)"},
        {u"mtokui", u"E_MAIL", u"TEXT(40)"},       {u"mtokui", u"メモ", u"MEMO_TEXT"},
        {u"mtokui", u"定期購入日", u"DATE_TEXT"},  {u"msyohin", u"品番", u"TEXT(13)"},
        {u"msyohin", u"定価", u"MONEY_INT"},       {u"mnyukin", u"入金種別CODE", u"TEXT(3)"},
        {u"mcustom", u"カスタムNO", u"SMALLINT"},  {u"Counter", u"自動ゼロ付加", u"LOGICAL_INT"},
    };
    for (const Col &c : cols)
        EXPECT_EQ(declType(db, QString::fromUtf16(c.table), QString::fromUtf16(c.column)), QString::fromUtf16(c.type))
            << QString::fromUtf16(c.table).toStdString() << "." << QString::fromUtf16(c.column).toStdString();
}

TEST(Tables, FreshDataFolderHasTakeAwayCustomerCustomRowAndCounters)
{
    TempHome home;
    Database &db = home.db();
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT count(*) FROM mtokui")).toInt(), 1);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT 得意先名 FROM mtokui WHERE 得意先code='00000000'")).toString(),
              QStringLiteral("お持ち帰り"));
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT count(*) FROM mcustom")).toInt(), 1);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT カスタムNO FROM mcustom")).toInt(), 0);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT group_concat(名称 || ':' || COUNTER || ':' || 自動ゼロ付加 || ':' || フィールドサイズ, ' ') "
                                       "FROM (SELECT * FROM Counter ORDER BY 名称)")).toString(),
              QStringLiteral("DJUDEN:0:1:8 MTOKUI:0:1:8"));

    // Opening the folder again adds nothing.
    Session::open(home.path());
    EXPECT_EQ(home.db().scalar(QStringLiteral("SELECT count(*) FROM mtokui")).toInt(), 1);
    EXPECT_EQ(home.db().scalar(QStringLiteral("SELECT count(*) FROM Counter")).toInt(), 2);
}

TEST(Tables, DuplicateKeysAreRefusedOnPost)
{
    TempHome home;
    Database &db = home.db();
    struct Key { const char16_t *table, *column, *value; };
    const Key keys[] = {
        {u"mtokui", u"得意先CODE", u"00000000"}, {u"msyohin", u"品番", u"A-1"},   {u"msyobun", u"分類CODE", u"01"},
        {u"mbunrui", u"分類CODE", u"01"},        {u"mnyukin", u"入金種別CODE", u"1"}, {u"djuden", u"伝票No", u"00000001"},
        {u"djumei", u"伝行No", u"0000000101"},   {u"Counter", u"名称", u"DJUDEN"},
    };
    for (const Key &k : keys) {
        const QString table = QString::fromUtf16(k.table), column = QString::fromUtf16(k.column),
                      value = QString::fromUtf16(k.value);
        const QString countSql = QStringLiteral("SELECT count(*) FROM %1 WHERE %2=?").arg(table, column);
        if (db.scalar(countSql, {value}).toInt() == 0)
            db.exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (?)").arg(table, column), {value});
        Dataset q(db, QStringLiteral("SELECT * FROM %1").arg(table));
        q.open();
        q.append();
        q.field(column).setString(value);
        try {
            q.post();
            ADD_FAILURE() << "second row accepted in " << table.toStdString();
        } catch (const SqlError &e) {
            EXPECT_TRUE(e.isConstraint()) << e.what();
        }
        EXPECT_TRUE(q.isEditing()) << table.toStdString();   // the row stays in edit for the user to correct
        q.cancel();
        EXPECT_EQ(db.scalar(countSql, {value}).toInt(), 1) << table.toStdString();
    }
}

TEST(Tables, LongTextsAreCutToTheirColumnBytes)
{
    TempHome home;
    Database &db = home.db();
    const QString name31 = QStringLiteral("あいうえおかきくけこさしすせそa");     // 31 bytes
    const QString name30 = name31.left(15);
    const QString reading25 = QStringLiteral("ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉ");   // 25 bytes
    const QString twoByteAt30 = QStringLiteral("aあいうえおかきくけこさしすせそ");  // cut must not split a character

    Dataset slip(db, QStringLiteral("SELECT * FROM djuden"));
    slip.open();
    slip.append();
    slip.field(QStringLiteral("伝票No")).setString(QStringLiteral("00000001"));
    slip.field(QStringLiteral("得意先名")).setString(name31);
    slip.field(QStringLiteral("フリガナ")).setString(reading25);
    slip.field(QStringLiteral("住所3")).setString(twoByteAt30);
    slip.post();
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT 得意先名 FROM djuden")).toString(), name30);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT フリガナ FROM djuden")).toString(), reading25.left(24));
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT 住所3 FROM djuden")).toString(), twoByteAt30.left(15));

    Dataset line(db, QStringLiteral("SELECT * FROM djumei"));
    line.open();
    line.append();
    line.field(QStringLiteral("伝行No")).setString(QStringLiteral("0000000101"));
    for (const char16_t *col : {u"得意先名", u"送元名", u"発送先名", u"住所1", u"住所2", u"住所3"})
        line.field(QString::fromUtf16(col)).setString(name31);
    line.post();
    for (const char16_t *col : {u"得意先名", u"送元名", u"発送先名", u"住所1", u"住所2", u"住所3"})
        EXPECT_EQ(db.scalar(QStringLiteral("SELECT %1 FROM djumei").arg(QString::fromUtf16(col))).toString(), name30)
            << QString::fromUtf16(col).toStdString();
}

TEST(Tables, GroupingColumnsAndLineKey)
{
    const QDate d(2008, 4, 5);
    EXPECT_EQ(yearMonthText(d), QStringLiteral("2008/04"));
    EXPECT_EQ(yearText(d), QStringLiteral("2008"));
    EXPECT_EQ(yearMonthText(QDate()), QString());
    EXPECT_EQ(lineKey(QStringLiteral("00001234"), 3), QStringLiteral("0000123403"));
}

TEST(Tables, SearchesUseAnIndex)
{
    TempHome home;
    Database &db = home.db();
    const char16_t *queries[] = {
        u"SELECT * FROM mtokui WHERE 電話番号F='0312345678' ORDER BY 電話番号F",
        u"SELECT * FROM mtokui WHERE 得意先code='00000012'",
        u"SELECT * FROM mtokui WHERE フリガナ='ﾔﾏﾀﾞ' AND 得意先CODE<>'1'",
        u"SELECT * FROM msyohin WHERE 品番='A-1'",
        u"SELECT * FROM djuden WHERE 得意先CODE='00000012' ORDER BY 伝票no",
        u"SELECT * FROM djuden WHERE 電話番号F='0312345678'",
        u"SELECT * FROM djuden WHERE 年月='2008/04'",
        u"SELECT * FROM djumei WHERE 伝票No='00000001' ORDER BY 行No",
        u"SELECT * FROM djumei WHERE 伝行No='0000000101'",
        u"SELECT * FROM djumei WHERE 得意先code='00000012' ORDER BY 伝行no",
        u"SELECT * FROM djumei WHERE 送元CODE='1' AND 送先CODE='2' AND 送先CODE<>'' ORDER BY 伝行No",
        u"SELECT * FROM djumei WHERE 送先CODE='2'",
        u"SELECT * FROM djumei WHERE 送元電話F='0312345678'",
        u"SELECT * FROM djumei WHERE 品番='A-1'",
        u"SELECT * FROM djumei WHERE 発送日 IS NULL",
        u"SELECT * FROM djumei WHERE 印刷=''",
        u"SELECT * FROM djumei WHERE 年月='2008/04'",
    };
    for (const char16_t *q : queries) {
        Statement st = db.prepare(QStringLiteral("EXPLAIN QUERY PLAN ") + QString::fromUtf16(q));
        QString plan;
        while (st.step())
            plan += st.value(3).toString() + u'\n';
        EXPECT_TRUE(plan.contains(QRegularExpression(QStringLiteral("SEARCH .* USING (COVERING )?INDEX")))) << QString::fromUtf16(q).toStdString() << "\n" << plan.toStdString();
    }
}

TEST(Tables, CopiedNamesAndSlipsAreNotTiedToTheirMasters)
{
    TempHome home;
    Database &db = home.db();
    db.exec(QStringLiteral("INSERT INTO mbunrui (分類CODE, 分類名) VALUES ('01', '一般')"));
    db.exec(QStringLiteral("INSERT INTO mtokui (得意先CODE, 得意先名, 分類CODE, 分類名) VALUES ('00000001', '山田', '01', '一般')"));
    db.exec(QStringLiteral("INSERT INTO djuden (伝票No, 得意先CODE, 得意先名) VALUES ('00000001', '00000001', '山田')"));
    db.exec(QStringLiteral("INSERT INTO djumei (伝行No, 伝票No, 行No, 送先CODE) VALUES ('0000000101', '00000001', '01', '00000001')"));
    db.exec(QStringLiteral("UPDATE mbunrui SET 分類名='会員' WHERE 分類CODE='01'"));
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT 分類名 FROM mtokui WHERE 得意先CODE='00000001'")).toString(), QStringLiteral("一般"));
    db.exec(QStringLiteral("DELETE FROM mbunrui"));
    db.exec(QStringLiteral("DELETE FROM mtokui WHERE 得意先CODE='00000001'"));
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT count(*) FROM djuden")).toInt(), 1);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT count(*) FROM djumei")).toInt(), 1);
}
