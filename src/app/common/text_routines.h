#pragma once
// Text routines of every screen. Bytes routines count code page 932 bytes; Chars routines
// treat a double-byte character as one character. Positions are 1-based.
#include <QString>
#include <QStringList>

namespace minori {

QString Spaces(int n);
QString LeftBytes(const QString &text, int n);
QString RightBytes(const QString &text, int n);
QString MidBytes(const QString &text, int start, int n);
int ByteLength(const QString &text);
int CharLength(const QString &text);
QString MidChars(const QString &text, int start, int n);
QString TrimRightText(const QString &text);
QString TrimLeftText(const QString &text);
QString ReplaceAll(const QString &text, const QString &oldText, const QString &newText);
int FindText(const QString &text, const QString &part);
int SplitCsvLine(const QString &line, QStringList &list);
QString TakeLine(QString &text);
QString NthField(const QString &text, int n, QChar separator);
QString SubField(const QString &text, int i, int j);
double SubFieldNumber(const QString &text, int i, int j);
QString DigitsOnly(const QString &text);
QString ZerosToSpaces(const QString &text);
QString StripLeadingZeros(const QString &text);

int ToIntOrZero(const QString &text);
QString FormatNumber(int width, int decimals, double value);

} // namespace minori
