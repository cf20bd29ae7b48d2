#include "store/counters.h"
#include "temp_home.h"

#include <gtest/gtest.h>

using namespace store;

namespace {
qint64 counterOf(Database &db, const QString &name)
{
    return db.scalar(QStringLiteral("SELECT COUNTER FROM Counter WHERE 名称=?"), {name}).toLongLong();
}
} // namespace

TEST(Counters, FreshCounterPeeksTakesAndFormats)
{
    TempHome home;
    Database &db = home.db();
    CounterService c(db);
    const QString dj = QStringLiteral("DJUDEN"), mt = QStringLiteral("MTOKUI");
    EXPECT_EQ(c.peek(dj), QStringLiteral("00000001"));
    EXPECT_EQ(counterOf(db, dj), 0);
    EXPECT_EQ(c.take(dj), QStringLiteral("00000001"));
    EXPECT_EQ(counterOf(db, dj), 1);
    EXPECT_EQ(c.peek(dj), QStringLiteral("00000002"));
    EXPECT_EQ(counterOf(db, mt), 0);   // counters are independent

    EXPECT_EQ(c.format(mt, QStringLiteral("12")), QStringLiteral("00000012"));
    EXPECT_EQ(c.format(mt, QStringLiteral("0")), QStringLiteral("00000000"));
    EXPECT_EQ(c.format(mt, QStringLiteral("A1")), QStringLiteral("000000A1"));
    EXPECT_EQ(c.format(mt, QStringLiteral("123456789")), QStringLiteral("23456789"));

    EXPECT_TRUE(c.reset(dj));
    EXPECT_EQ(counterOf(db, dj), 0);
    EXPECT_EQ(c.peek(dj), QStringLiteral("00000001"));
}

TEST(Counters, WrittenFormRules)
{
    struct Case { qint64 n; bool pad; int width; const char *out; };
    const Case cases[] = {
        {1, true, 8, "00000001"},      {123456789, true, 8, "23456789"}, {5, true, 15, "000000000005"},
        {5, true, 12, "000000000005"}, {5, true, 1, "5"},                {42, false, 8, "42"},
        {-7, false, 0, "7"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(counterNumber(c.n, c.pad, c.width), QString::fromLatin1(c.out)) << c.n << " width " << c.width;
    EXPECT_EQ(counterFormat(QStringLiteral("12"), false, 8), QStringLiteral("12"));
    EXPECT_EQ(counterFormat(QString(), true, 8), QStringLiteral("00000000"));
}

TEST(Counters, PlainCounterCountsUpAndLeavesTypedTextAlone)
{
    TempHome home;
    Database &db = home.db();
    db.exec(QStringLiteral("INSERT INTO Counter (名称, COUNTER, 自動ゼロ付加, フィールドサイズ) VALUES ('PLAIN', 0, 0, 8)"));
    CounterService c(db);
    EXPECT_EQ(c.take(QStringLiteral("PLAIN")), QStringLiteral("1"));
    EXPECT_EQ(c.take(QStringLiteral("PLAIN")), QStringLiteral("2"));
    EXPECT_EQ(c.take(QStringLiteral("PLAIN")), QStringLiteral("3"));
    EXPECT_EQ(c.format(QStringLiteral("PLAIN"), QStringLiteral("0012")), QStringLiteral("0012"));
}

TEST(Counters, MissingAndBrokenCountersAreErrorsAndChangeNothing)
{
    TempHome home;
    Database &db = home.db();
    CounterService c(db);
    try {
        c.take(QStringLiteral("NOSUCH"));
        ADD_FAILURE() << "missing counter took a number";
    } catch (const CounterError &e) {
        EXPECT_EQ(e.kind(), CounterError::Kind::Missing);
        EXPECT_EQ(e.message(), QStringLiteral("カンターなし NOSUCH"));
    }
    EXPECT_FALSE(c.reset(QStringLiteral("NOSUCH")));
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT count(*) FROM Counter")).toInt(), 2);

    struct Bad { const char *name; const char *counter; int width; CounterError::Kind kind; };
    const Bad bad[] = {
        {"ZERO", "5", 0, CounterError::Kind::BadWidth},
        {"NEG", "5", -3, CounterError::Kind::BadWidth},
        {"TEXT", "'abc'", 8, CounterError::Kind::BadValue},
        {"FRACTION", "1.5", 8, CounterError::Kind::BadValue},
    };
    for (const Bad &b : bad) {
        db.exec(QStringLiteral("INSERT INTO Counter (名称, COUNTER, 自動ゼロ付加, フィールドサイズ) VALUES ('%1', %2, 1, %3)")
                    .arg(QString::fromLatin1(b.name), QString::fromLatin1(b.counter))
                    .arg(b.width));
        const QString before = db.scalar(QStringLiteral("SELECT COUNTER FROM Counter WHERE 名称=?"), {QString::fromLatin1(b.name)})
                                   .toString();
        for (int op = 0; op < 3; ++op) {
            try {
                if (op == 0)
                    c.peek(QString::fromLatin1(b.name));
                else if (op == 1)
                    c.take(QString::fromLatin1(b.name));
                else
                    c.format(QString::fromLatin1(b.name), QStringLiteral("1"));
                ADD_FAILURE() << b.name << " gave a number, operation " << op;
            } catch (const CounterError &e) {
                EXPECT_EQ(e.kind(), b.kind) << b.name;
                EXPECT_TRUE(e.message().contains(QString::fromLatin1(b.name))) << e.what();
            }
        }
        EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNTER FROM Counter WHERE 名称=?"), {QString::fromLatin1(b.name)}).toString(),
                  before);
    }
}

TEST(Counters, TakeInsideAFailedSaveIsUndoneWithIt)
{
    TempHome home;
    Database &db = home.db();
    CounterService c(db);
    {
        Transaction outer(db);
        EXPECT_EQ(c.take(QStringLiteral("DJUDEN")), QStringLiteral("00000001"));
        // no commit: the slip was not saved
    }
    EXPECT_EQ(counterOf(db, QStringLiteral("DJUDEN")), 0);
    EXPECT_EQ(c.take(QStringLiteral("DJUDEN")), QStringLiteral("00000001"));
}
