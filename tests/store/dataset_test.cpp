#include "store/company_settings.h"
#include "store/dataset.h"
#include "store/session.h"
#include "store/tables.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include "temp_home.h"

#include <gtest/gtest.h>

using namespace store;

namespace {
// A small table of our own beside the data folder's tables.
void makeItems(Database &db)
{
    TableDef t;
    t.name = QStringLiteral("items");
    t.columns = {ColumnDef::text(QStringLiteral("コード"), 4), ColumnDef::text(QStringLiteral("名前"), 10),
                 ColumnDef::money(QStringLiteral("金額")), ColumnDef::logical(QStringLiteral("済")),
                 ColumnDef::date(QStringLiteral("日付"))};
    t.primaryKey = {QStringLiteral("コード")};
    db.exec(t.createSql());
    const char16_t *rows[][2] = {{u"0003", u"みかん"}, {u"0001", u"りんご"}, {u"0002", u"なし"}};
    for (auto &r : rows)
        db.exec(QStringLiteral("INSERT INTO items (コード, 名前, 金額) VALUES (?, ?, 100)"),
                {QString::fromUtf16(r[0]), QString::fromUtf16(r[1])});
}
} // namespace

TEST(Dataset, LiveSelectNavigatesEditsAndPosts)
{
    TempHome home;
    Database &db = home.db();
    makeItems(db);
    Dataset q(db, QStringLiteral("SELECT * FROM items ORDER BY コード"));
    q.open();
    EXPECT_TRUE(q.isLive());
    EXPECT_EQ(q.recordCount(), 3);
    EXPECT_EQ(q.field(QStringLiteral("コード")).asString(), QStringLiteral("0001"));
    EXPECT_TRUE(q.bof());
    q.next();
    q.next();
    EXPECT_FALSE(q.eof());
    q.next();
    EXPECT_TRUE(q.eof());
    EXPECT_EQ(q.recNo(), 3);

    ASSERT_TRUE(q.locateExact(QStringLiteral("名前"), QStringLiteral("なし")));
    EXPECT_EQ(q.recNo(), 2);
    q.edit();
    // A text longer than its column is cut to the column's bytes, never inside a character.
    q.field(QStringLiteral("名前")).setString(QStringLiteral("あいうえおか"));
    q.field(QStringLiteral("済")).setBool(true);
    q.field(QStringLiteral("日付")).setDate(QDate(2008, 4, 5));
    q.post();
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT 名前 FROM items WHERE コード='0002'")).toString(), QStringLiteral("あいうえお"));
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT 日付 FROM items WHERE コード='0002'")).toString(), QStringLiteral("2008-04-05"));
    EXPECT_TRUE(q.field(QStringLiteral("済")).asBool());
    EXPECT_EQ(q.field(QStringLiteral("日付")).asString(), QStringLiteral("2008/04/05"));

    q.append();
    q.field(QStringLiteral("コード")).setString(QStringLiteral("0009"));
    q.field(QStringLiteral("名前")).setString(QString());
    q.post();
    EXPECT_EQ(q.recordCount(), 4);
    EXPECT_TRUE(q.field(QStringLiteral("名前")).isBlank());
    // Empty text is stored as null, so both blank tests find it.
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT count(*) FROM items WHERE 名前 IS NULL")).toInt(), 1);

    // A duplicate key is refused and the set stays in insert state with its values.
    q.append();
    q.field(QStringLiteral("コード")).setString(QStringLiteral("0001"));
    try {
        q.post();
        FAIL() << "duplicate key was stored";
    } catch (const SqlError &e) {
        EXPECT_TRUE(e.isConstraint());
        EXPECT_TRUE(e.sql().startsWith(QStringLiteral("INSERT INTO")));
    }
    EXPECT_EQ(q.state(), Dataset::State::Insert);
    q.cancel();
    EXPECT_EQ(q.recordCount(), 4);

    ASSERT_TRUE(q.locatePrefix(QStringLiteral("コード"), QStringLiteral("000")));
    EXPECT_EQ(q.recNo(), 1);
    EXPECT_FALSE(q.locatePrefix(QStringLiteral("コード"), QStringLiteral("9")));
    EXPECT_EQ(q.recNo(), 1);
    q.last();
    q.remove();
    EXPECT_EQ(q.recordCount(), 3);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT count(*) FROM items")).toInt(), 3);
}

TEST(Dataset, JoinAndAggregateAreReadOnly)
{
    TempHome home;
    Database &db = home.db();
    makeItems(db);
    const QString cases[] = {
        QStringLiteral("SELECT count(*) AS n FROM items"),
        QStringLiteral("SELECT a.コード FROM items a, items b WHERE a.コード = b.コード"),
        QStringLiteral("SELECT 名前 FROM items GROUP BY 名前"),
        QStringLiteral("SELECT DISTINCT 名前 FROM items"),
    };
    for (const QString &sql : cases) {
        Dataset q(db, sql);
        q.open();
        EXPECT_FALSE(q.isLive()) << sql.toStdString();
        EXPECT_THROW(q.edit(), SqlError) << sql.toStdString();
    }
    Dataset q(db, QStringLiteral("SELECT コード, 名前 || 'x' AS 表示 FROM items WHERE 金額 = ? ORDER BY コード DESC"), nullptr);
    q.setParams({100});
    q.open();
    EXPECT_TRUE(q.isLive());
    EXPECT_EQ(q.field(QStringLiteral("表示")).asString(), QStringLiteral("みかんx"));
    EXPECT_FALSE(q.field(QStringLiteral("表示")).canModify());
    EXPECT_TRUE(q.field(QStringLiteral("コード")).canModify());
    EXPECT_THROW(q.field(QStringLiteral("ない")), SqlError);
    EXPECT_EQ(q.findField(QStringLiteral("ない")), nullptr);
}

TEST(Dataset, EngineErrorsCarryTheSql)
{
    TempHome home;
    Dataset q(home.db(), QStringLiteral("SELECT * FROM nosuchtable"));
    try {
        q.open();
        FAIL();
    } catch (const SqlError &e) {
        EXPECT_EQ(e.sql(), QStringLiteral("SELECT * FROM nosuchtable"));
        EXPECT_TRUE(e.text().contains(QStringLiteral("nosuchtable")));
    }
}

TEST(CompanySettings, FreshRowAndCarrierNumbers)
{
    TempHome home;
    Database &db = home.db();
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT count(*) FROM system")).toInt(), 1);
    EXPECT_EQ(db.columnNames(QStringLiteral("system")).size(), 62);
    EXPECT_EQ(systemText(db, QStringLiteral("通常送状")), QStringLiteral("00 宅急便"));
    EXPECT_TRUE(systemFlag(db, QStringLiteral("送状送元送先同一時自社")));
    EXPECT_FALSE(systemFlag(db, QStringLiteral("カラー設定")));    // null counts as false
    EXPECT_EQ(defaultCarrier(db), 0);
    EXPECT_EQ(yuPackEdition(db), 1);     // empty
    EXPECT_EQ(pelicanEdition(db), 2);
    EXPECT_EQ(sagawaEdition(db), 1);
    setSystemValue(db, QStringLiteral("通常送状"), QStringLiteral("03 ゆうパック"));
    setSystemValue(db, QStringLiteral("版数NOペリカン便"), QStringLiteral("01 ペリカン便2005年版"));
    EXPECT_EQ(defaultCarrier(db), 3);
    EXPECT_EQ(pelicanEdition(db), 1);
    EXPECT_TRUE(systemText(db, QStringLiteral("バックアップ先フォルダ")).endsWith(QStringLiteral("実り直送便バックアップ")));
}

TEST(Dataset, EventsFireInOrderAndBeforePostCanRefuse)
{
    TempHome home;
    Database &db = home.db();
    makeItems(db);
    Dataset q(db, QStringLiteral("SELECT * FROM items ORDER BY コード"));
    QStringList log;
    auto note = [&log](const char *name) { return [&log, name](Dataset &) { log << QString::fromLatin1(name); }; };
    q.afterOpen = note("afterOpen");
    q.onNewRecord = note("newRecord");
    q.afterInsert = note("afterInsert");
    q.beforeEdit = note("beforeEdit");
    q.afterEdit = note("afterEdit");
    q.afterPost = note("afterPost");
    q.afterCancel = note("afterCancel");
    q.beforeDelete = note("beforeDelete");
    q.afterDelete = note("afterDelete");
    q.beforeScroll = note("beforeScroll");
    q.afterScroll = note("afterScroll");
    bool refuse = true;
    q.beforePost = [&](Dataset &d) {
        log << QStringLiteral("beforePost");
        if (refuse)
            throw Abort();
        d.field(QStringLiteral("名前")).setString(QStringLiteral("確定"));   // last changes before the write
    };
    q.open();
    q.next();
    q.edit();
    EXPECT_THROW(q.post(), Abort);
    EXPECT_EQ(q.state(), Dataset::State::Edit);
    refuse = false;
    q.post();
    q.append();
    q.cancel();
    q.first();
    q.remove();
    EXPECT_EQ(log, QStringList({"afterOpen", "afterScroll", "beforeScroll", "afterScroll", "beforeEdit", "afterEdit",
                                "beforePost", "beforePost", "afterPost", "beforeScroll", "newRecord", "afterInsert",
                                "afterScroll", "afterCancel", "afterScroll", "beforeScroll", "afterScroll",
                                "beforeDelete", "afterDelete", "afterScroll"}));
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT 名前 FROM items WHERE コード='0002'")).toString(), QStringLiteral("確定"));
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT count(*) FROM items WHERE コード='0001'")).toInt(), 0);
}

TEST(Dataset, BlankMeansEmptyOrNullAndLocateFindsBoth)
{
    TempHome home;
    Database &db = home.db();
    makeItems(db);
    db.exec(QStringLiteral("UPDATE items SET 名前 = '' WHERE コード = '0003'"));   // written by raw SQL
    db.exec(QStringLiteral("UPDATE items SET 名前 = NULL WHERE コード = '0002'"));
    Dataset q(db, QStringLiteral("SELECT * FROM items ORDER BY コード"));
    q.open();
    ASSERT_TRUE(q.locateExact(QStringLiteral("名前"), QString()));
    EXPECT_EQ(q.field(QStringLiteral("コード")).asString(), QStringLiteral("0002"));
    EXPECT_TRUE(q.field(QStringLiteral("名前")).isBlank());
    EXPECT_TRUE(q.field(QStringLiteral("名前")).isNull());
    q.next();
    EXPECT_TRUE(q.field(QStringLiteral("名前")).isBlank());
    EXPECT_FALSE(q.field(QStringLiteral("名前")).isNull());
    EXPECT_EQ(q.field(QStringLiteral("名前")).asString(), QString());
    EXPECT_EQ(q.field(QStringLiteral("金額")).asInteger(), 100);
    EXPECT_EQ(q.field(QStringLiteral("済")).asBool(), false);        // null logical reads false
    // Typed writes convert; a bad number is refused with a clear message.
    q.edit();
    q.field(QStringLiteral("金額")).setString(QStringLiteral("1200"));
    EXPECT_THROW(q.field(QStringLiteral("金額")).setString(QStringLiteral("十二")), SqlError);
    q.post();
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT 金額 FROM items WHERE コード='0003'")).toInt(), 1200);
}

TEST(Session, BadDataFoldersGiveClearErrors)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("data"));
    QFile bad(dir.filePath(QStringLiteral("data/minori.db")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray(4096, 'x'));   // not a database
    bad.close();
    EXPECT_THROW(Session::open(dir.path()), SqlError);
    EXPECT_FALSE(Session::isOpen());
    EXPECT_EQ(Session::programFolder(), QDir(dir.path()).absolutePath());   // the paths stay known
    // The corrupt file is left as it was for the user to look at.
    EXPECT_EQ(QFileInfo(dir.filePath(QStringLiteral("data/minori.db"))).size(), 4096);

    // A fresh data folder is created whole or not at all: every table with its initial rows.
    QTemporaryDir fresh;
    Session::open(fresh.path());
    for (const TableDef &t : allTables())
        EXPECT_TRUE(Session::data().tableExists(t.name)) << t.name.toStdString();
    Session::close();
}

// While a row is edited only the changed columns are held apart; the others are read from the
// stored row, and the row shown after posting or cancelling is whole.
TEST(Dataset, EditedRowKeepsItsUnchangedColumns)
{
    TempHome home;
    Database &db = home.db();
    makeItems(db);
    db.exec(QStringLiteral("UPDATE items SET 済=1, 日付='2008-04-05' WHERE コード='0001'"));
    Dataset q(db, QStringLiteral("SELECT * FROM items ORDER BY コード"));
    q.open();
    auto f = [&](const char16_t *name) -> Field & { return q.field(QString::fromUtf16(name)); };

    q.edit();
    EXPECT_EQ(f(u"名前").asString(), QStringLiteral("りんご"));   // unchanged columns read through
    f(u"金額").setInteger(250);
    EXPECT_EQ(f(u"金額").asInteger(), 250);
    q.post();
    EXPECT_EQ(f(u"名前").asString(), QStringLiteral("りんご"));
    EXPECT_EQ(f(u"金額").asInteger(), 250);
    EXPECT_TRUE(f(u"済").asBool());
    EXPECT_EQ(f(u"日付").asDate(), QDate(2008, 4, 5));

    // Setting a column back to its stored value and cancelling leaves the row as it was.
    q.edit();
    f(u"名前").setString(QStringLiteral("ぶどう"));
    f(u"名前").setString(QStringLiteral("りんご"));
    q.cancel();
    EXPECT_EQ(f(u"名前").asString(), QStringLiteral("りんご"));
    EXPECT_EQ(f(u"金額").asInteger(), 250);

    // A new row: what was not set stays blank.
    q.append();
    f(u"コード").setString(QStringLiteral("0009"));
    q.post();
    EXPECT_EQ(f(u"コード").asString(), QStringLiteral("0009"));
    EXPECT_TRUE(f(u"名前").isNull());
    EXPECT_FALSE(f(u"済").asBool());
    q.close();
    q.open();
    EXPECT_TRUE(q.locateExact(QStringLiteral("コード"), QStringLiteral("0001")));
    EXPECT_EQ(f(u"金額").asInteger(), 250);
    EXPECT_EQ(f(u"名前").asString(), QStringLiteral("りんご"));
}

// A query opened again reuses its prepared statement; after its table is made anew the
// result set reads the new columns, not the ones it knew.
TEST(Dataset, ReopenedQuerySeesATableMadeAnew)
{
    TempHome home;
    Database &db = home.db();
    db.exec(QStringLiteral("CREATE TABLE work (a TEXT, b TEXT)"));
    db.exec(QStringLiteral("INSERT INTO work VALUES ('1', '2')"));
    const QString sql = QStringLiteral("SELECT * FROM work");
    {
        Dataset q(db, sql);
        q.open();
        EXPECT_EQ(q.field(QStringLiteral("b")).asString(), QStringLiteral("2"));
    }
    db.exec(QStringLiteral("DROP TABLE work; CREATE TABLE work (a TEXT, c TEXT)"));
    db.exec(QStringLiteral("INSERT INTO work VALUES ('1', '3')"));
    Dataset q(db, sql);
    q.open();
    EXPECT_EQ(q.findField(QStringLiteral("b")), nullptr);
    EXPECT_EQ(q.field(QStringLiteral("c")).asString(), QStringLiteral("3"));
}
