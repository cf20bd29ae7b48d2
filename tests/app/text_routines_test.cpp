#include "app/common/text_routines.h"

#include <gtest/gtest.h>

using namespace minori;

TEST(TextRoutines, ByteAndCharRoutines)
{
    const QString s = QStringLiteral("実り1");
    EXPECT_EQ(CharLength(s), 3);
    EXPECT_EQ(ByteLength(s), 5);
    EXPECT_EQ(MidChars(s, 2, 1), QStringLiteral("り"));
    EXPECT_EQ(LeftBytes(s, 2), QStringLiteral("実"));
    EXPECT_EQ(RightBytes(s, 1), QStringLiteral("1"));
    EXPECT_EQ(Spaces(3), QStringLiteral("   "));
    EXPECT_EQ(Spaces(-1), QString());
    EXPECT_EQ(LeftBytes(s, -2), QString());
    EXPECT_EQ(FindText(QStringLiteral("実り直送便"), QStringLiteral("送")), 4);
    EXPECT_EQ(FindText(QStringLiteral("abc"), QStringLiteral("x")), 0);
    EXPECT_EQ(TrimRightText(QStringLiteral(" a b \t\r\n")), QStringLiteral(" a b"));
    EXPECT_EQ(TrimLeftText(QStringLiteral("\t a ")), QStringLiteral("a "));
}

TEST(TextRoutines, ReplaceAllLeavesNoOccurrence)
{
    struct Case { const char16_t *text, *from, *to, *want; };
    const Case cases[] = {
        {u"aaa", u"aa", u"a", u"a"},          // formed again across a replacement
        {u"a  b   c", u"  ", u" ", u"a b c"},
        {u"abc", u"", u"x", u"abc"},          // empty old changes nothing
        {u"東京都東京都", u"東京都", u"", u""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ReplaceAll(QString::fromUtf16(c.text), QString::fromUtf16(c.from), QString::fromUtf16(c.to)),
                  QString::fromUtf16(c.want));
}

TEST(TextRoutines, FieldsAndCsv)
{
    QStringList list;
    EXPECT_EQ(SplitCsvLine(QStringLiteral("a,,b"), list), 3);
    EXPECT_EQ(list, (QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")}));
    EXPECT_EQ(SplitCsvLine(QStringLiteral("\"x,y\",z"), list), 3);   // quotes go first, so the comma cuts
    EXPECT_EQ(SplitCsvLine(QString(), list), 0);
    EXPECT_TRUE(list.isEmpty());

    EXPECT_EQ(NthField(QStringLiteral("a;b;c"), 2, u';'), QStringLiteral("c"));
    EXPECT_EQ(NthField(QStringLiteral("a;b;c"), 3, u';'), QString());
    EXPECT_EQ(SubField(QStringLiteral("1:2,3:4:5"), 1, 2), QStringLiteral("5"));
    EXPECT_EQ(SubField(QStringLiteral("1:2,,3"), 1, 0), QString());
    EXPECT_DOUBLE_EQ(SubFieldNumber(QStringLiteral("1:2.5,3"), 0, 1), 2.5);
    EXPECT_DOUBLE_EQ(SubFieldNumber(QStringLiteral("1:,3"), 0, 1), 0.0);

    QString text = QStringLiteral("one\r\ntwo\r\nthree");
    EXPECT_EQ(TakeLine(text), QStringLiteral("one"));
    EXPECT_EQ(text, QStringLiteral("two\r\nthree"));
    TakeLine(text);
    EXPECT_EQ(TakeLine(text), QStringLiteral("three"));
    EXPECT_TRUE(text.isEmpty());
}

TEST(TextRoutines, DigitsAndZeros)
{
    EXPECT_EQ(DigitsOnly(QStringLiteral("03-1234 (567)")), QStringLiteral("031234567"));
    EXPECT_EQ(DigitsOnly(QStringLiteral("０３")), QString());     // only ASCII digits count
    EXPECT_EQ(ZerosToSpaces(QStringLiteral("0123")), QStringLiteral(" 123"));
    EXPECT_EQ(ZerosToSpaces(QStringLiteral("000")), QStringLiteral("  0"));
    EXPECT_EQ(ZerosToSpaces(QString()), QString());
    EXPECT_EQ(StripLeadingZeros(QStringLiteral("007")), QStringLiteral("7"));
    EXPECT_EQ(StripLeadingZeros(QStringLiteral("000")), QStringLiteral("0"));
    EXPECT_EQ(StripLeadingZeros(QString()), QStringLiteral("0"));
    EXPECT_EQ(ToIntOrZero(QStringLiteral("12")), 12);
    EXPECT_EQ(ToIntOrZero(QStringLiteral("1x")), 0);
    EXPECT_EQ(ToIntOrZero(QString()), 0);
}

TEST(TextRoutines, FormatNumber)
{
    struct Case { int width, decimals; double value; const char *want; };
    const Case cases[] = {
        {0, 0, 1234567, "1,234,567"},
        {0, 0, -1234, "-1,234"},
        {8, 0, -1234, "  -1,234"},
        {3, 0, 12345, "345"},           // a longer result loses its leftmost bytes
        {0, 2, 1234.5678, "1,234.56"},  // decimals are cut from the six of %f
        {6, 1, 0, "     0.0"},
        {0, 0, 999, "999"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(FormatNumber(c.width, c.decimals, c.value), QString::fromLatin1(c.want)) << c.want;
}
