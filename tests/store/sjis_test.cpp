#include "store/sjis.h"

#include <gtest/gtest.h>

using namespace sjis;

TEST(Sjis, ByteLengthCountsCodePage932Bytes)
{
    struct Case { const char16_t *text; int bytes; int chars; };
    const Case cases[] = {
        {u"", 0, 0},
        {u"abc", 3, 3},
        {u"実り1", 5, 3},             // two double-byte characters and a digit
        {u"ﾌﾘｶﾞﾅ", 5, 5},             // half-width katakana: one byte each
        {u"ｱイ", 3, 2},
        {u"〒123-4567", 10, 9},
        {u"\U0001F600", 2, 1},        // not in code page 932: written as "？"
        {u"①", 2, 1},                 // NEC special character, in code page 932
    };
    for (const Case &c : cases) {
        const QString s = QString::fromUtf16(c.text);
        EXPECT_EQ(byteLength(s), c.bytes) << s.toStdString();
        EXPECT_EQ(charLength(s), c.chars) << s.toStdString();
    }
}

TEST(Sjis, CutsNeverSplitADoubleByteCharacter)
{
    const QString s = QStringLiteral("あいうえ");
    EXPECT_EQ(leftBytes(s, 3), QStringLiteral("あ"));
    EXPECT_EQ(leftBytes(s, 4), QStringLiteral("あい"));
    EXPECT_EQ(leftBytes(s, 0), QString());
    EXPECT_EQ(rightBytes(s, 3), QStringLiteral("え"));
    EXPECT_EQ(rightBytes(QStringLiteral("aあb"), 3), QStringLiteral("あb"));
    EXPECT_EQ(midBytes(QStringLiteral("aあいb"), 2, 4), QStringLiteral("あい"));
    EXPECT_EQ(midBytes(QStringLiteral("aあいb"), 3, 4), QStringLiteral("いb"));  // starts inside あ
    EXPECT_EQ(midChars(QStringLiteral("実り直送"), 2, 1), QStringLiteral("り"));
    EXPECT_EQ(midChars(QStringLiteral("実り直送"), 3, 10), QStringLiteral("直送"));
    // A 31-byte name cut to a 30-byte column loses the whole last character.
    const QString name = QStringLiteral("a") + QStringLiteral("あ").repeated(15);
    EXPECT_EQ(byteLength(name), 31);
    EXPECT_EQ(byteLength(leftBytes(name, 30)), 29);
}

TEST(Sjis, PaddingAndEncoding)
{
    EXPECT_EQ(padRight(QStringLiteral("あ"), 4), QStringLiteral("あ  "));
    EXPECT_EQ(padLeft(QStringLiteral("12"), 5), QStringLiteral("   12"));
    EXPECT_EQ(padRight(QStringLiteral("あいう"), 5), QStringLiteral("あい "));
    EXPECT_EQ(encode(QStringLiteral("ｱ")), QByteArray("\xB1"));
    EXPECT_EQ(encode(QStringLiteral("あ")), QByteArray("\x82\xA0"));
    EXPECT_EQ(encode(QString::fromUtf16(u"\U0001F600")), QByteArray("\x81\x48"));
    EXPECT_EQ(decode(QByteArray("\x82\xA0\xB1")), QStringLiteral("あｱ"));
    QString out;
    EXPECT_FALSE(decodeStrict(QByteArray("\x82"), &out));
    EXPECT_TRUE(decodeStrict(QByteArray("abc\x93\xfa"), &out));
    EXPECT_EQ(out, QStringLiteral("abc日"));
    EXPECT_FALSE(encodable(QString::fromUtf16(u"\U0001F600")));
    EXPECT_TRUE(encodable(QStringLiteral("実り直送便ｱ")));
}

TEST(Sjis, KanaConversions)
{
    EXPECT_EQ(toHalfWidthKatakana(QStringLiteral("やまだ")), QStringLiteral("ﾔﾏﾀﾞ"));
    EXPECT_EQ(toHalfWidthKatakana(QStringLiteral("タロウ")), QStringLiteral("ﾀﾛｳ"));
    EXPECT_EQ(toHalfWidthAscii(QStringLiteral("０３－１２３４")), QStringLiteral("03-1234"));
}
