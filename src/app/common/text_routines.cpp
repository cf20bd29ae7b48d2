#include "text_routines.h"

#include "store/sjis.h"

#include <cstdio>

namespace minori {

QString Spaces(int n) { return n <= 0 ? QString() : QString(n, u' '); }
QString LeftBytes(const QString &text, int n) { return sjis::leftBytes(text, n); }
QString RightBytes(const QString &text, int n) { return sjis::rightBytes(text, n); }
QString MidBytes(const QString &text, int start, int n) { return sjis::midBytes(text, start, n); }
int ByteLength(const QString &text) { return sjis::byteLength(text); }
int CharLength(const QString &text) { return sjis::charLength(text); }
QString MidChars(const QString &text, int start, int n) { return sjis::midChars(text, start, n); }

namespace {
bool blankOrControl(QChar c) { return c.unicode() <= 0x20; }
}

QString TrimRightText(const QString &text)
{
    int n = text.size();
    while (n > 0 && blankOrControl(text.at(n - 1)))
        --n;
    return text.left(n);
}

QString TrimLeftText(const QString &text)
{
    int i = 0;
    while (i < text.size() && blankOrControl(text.at(i)))
        ++i;
    return text.mid(i);
}

QString ReplaceAll(const QString &text, const QString &oldText, const QString &newText)
{
    if (oldText.isEmpty())
        return text;
    QString s = text;
    // Always from the beginning, so that an occurrence formed across a replacement is caught too.
    for (int at = s.indexOf(oldText); at >= 0; at = s.indexOf(oldText))
        s.replace(at, oldText.size(), newText);
    return s;
}

int FindText(const QString &text, const QString &part)
{
    const int at = text.indexOf(part);
    if (at < 0)
        return 0;
    return sjis::charLength(text.left(at)) + 1;
}

int SplitCsvLine(const QString &line, QStringList &list)
{
    list.clear();
    QString s = line;
    s.remove(u'"');
    if (s.isEmpty())
        return 0;
    list = s.split(u',');
    return list.size();
}

QString TakeLine(QString &text)
{
    const int at = text.indexOf(QStringLiteral("\r\n"));
    if (at < 0) {
        QString all = text;
        text.clear();
        return all;
    }
    QString line = text.left(at);
    text = text.mid(at + 2);
    return line;
}

QString NthField(const QString &text, int n, QChar separator)
{
    if (n < 0)
        return {};
    const QStringList parts = text.split(separator);
    return n < parts.size() ? parts.at(n) : QString();
}

QString SubField(const QString &text, int i, int j)
{
    const QString f = NthField(text, i, u',');
    if (f.isEmpty())
        return {};
    return NthField(f, j, u':');
}

double SubFieldNumber(const QString &text, int i, int j)
{
    const QString f = SubField(text, i, j).trimmed();
    return f.isEmpty() ? 0.0 : f.toDouble();
}

QString DigitsOnly(const QString &text)
{
    QString out;
    for (QChar c : text)
        if (c >= u'0' && c <= u'9')
            out += c;
    return out;
}

QString ZerosToSpaces(const QString &text)
{
    QString s = text;
    int i = 0;
    while (i < s.size() && s.at(i) == u'0') {
        s[i] = u' ';
        ++i;
    }
    if (i > 0 && i == s.size())
        s[i - 1] = u'0';   // a text of zeros keeps its last one
    return s;
}

QString StripLeadingZeros(const QString &text)
{
    int i = 0;
    while (i < text.size() && text.at(i) == u'0')
        ++i;
    const QString s = text.mid(i);
    return s.isEmpty() ? QStringLiteral("0") : s;
}

int ToIntOrZero(const QString &text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok ? n : 0;
}

QString FormatNumber(int width, int decimals, double value)
{
    char buf[512];
    std::snprintf(buf, sizeof buf, "%f", value);
    QString s = QString::fromLatin1(buf);
    QString intPart = s.section(u'.', 0, 0);
    const QString frac = s.section(u'.', 1, 1);
    bool negative = intPart.startsWith(u'-');
    if (negative)
        intPart.remove(0, 1);
    QString grouped;
    for (int i = 0; i < intPart.size(); ++i) {
        if (i > 0 && (intPart.size() - i) % 3 == 0)
            grouped += u',';
        grouped += intPart.at(i);
    }
    QString out = (negative ? QStringLiteral("-") : QString()) + grouped;
    if (width > 0) {
        if (out.size() < width)
            out = QString(width - out.size(), u' ') + out;
        else if (out.size() > width)
            out = out.right(width);
    }
    if (decimals > 0)
        out += u'.' + frac.left(qMin(decimals, 6));
    return out;
}

} // namespace minori
