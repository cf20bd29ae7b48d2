#pragma once
// Shift-JIS (code page 932) view of QString texts.
//
// Texts live as QString, but every width, cut, pad and print pitch of the program
// counts bytes of code page 932: half-width characters (ASCII, half-width katakana)
// take one byte, everything else two. A character that code page 932 cannot encode is
// written as the full-width "？" and so also counts two bytes.
#include <QByteArray>
#include <QString>

namespace sjis {

// Bytes that one character (a UTF-16 code unit, or a surrogate pair) takes in code page 932.
int charBytes(char32_t ucs);
// Length of the text in code page 932 bytes.
int byteLength(const QString &text);
// Number of characters (a surrogate pair counts as one).
int charLength(const QString &text);

// First n bytes, never cutting a double-byte character in two (the result may be shorter).
QString leftBytes(const QString &text, int n);
// Last n bytes, never cutting a double-byte character in two.
QString rightBytes(const QString &text, int n);
// n bytes beginning at 1-based byte position start; a double-byte character that would be
// cut at either end is left out.
QString midBytes(const QString &text, int start, int n);
// n characters beginning at 1-based character position start.
QString midChars(const QString &text, int start, int n);
// The text cut to n bytes and padded with blanks to exactly n bytes.
QString padRight(const QString &text, int n);
QString padLeft(const QString &text, int n);

// Conversion to and from code page 932 bytes (files exchanged with other programs).
QByteArray encode(const QString &text);
QString decode(const QByteArray &bytes);
// Strict decoding: false when the bytes are not valid code page 932.
bool decodeStrict(const QByteArray &bytes, QString *out);
// True when every character of the text can be written in code page 932.
bool encodable(const QString &text);

// Kana conversions for readings (フリガナ are half-width katakana).
QString toHalfWidthKatakana(const QString &text);   // hiragana/katakana/full-width ASCII → half-width
QString toFullWidth(const QString &text);           // half-width katakana and ASCII → full-width
QString toHalfWidthAscii(const QString &text);      // full-width digits, letters, signs → ASCII

} // namespace sjis
