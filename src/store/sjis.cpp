#include "sjis.h"

#include <unicode/translit.h>
#include <unicode/ucnv.h>
#include <unicode/unistr.h>

#include <array>
#include <memory>
#include <mutex>
#include <stdexcept>

namespace sjis {
namespace {

// ICU's name for the Microsoft variant of Shift-JIS.
constexpr const char *kCodePage = "windows-31j";

UConverter *openConverter()
{
    UErrorCode err = U_ZERO_ERROR;
    UConverter *cnv = ucnv_open(kCodePage, &err);
    if (U_FAILURE(err))
        throw std::runtime_error("code page 932 converter is not available");
    return cnv;
}

struct ConverterDeleter { void operator()(UConverter *c) const { ucnv_close(c); } };
using ConverterPtr = std::unique_ptr<UConverter, ConverterDeleter>;

// Byte widths of the BMP characters, filled on first use of each character.
// 0 = not yet known, 1 or 2 = bytes, 3 = not encodable (written as "？", two bytes).
struct WidthTable {
    std::array<unsigned char, 65536> width{};
    std::mutex lock;
    ConverterPtr cnv{openConverter()};
};

WidthTable &table()
{
    static WidthTable t;
    return t;
}

int measure(char16_t u)
{
    WidthTable &t = table();
    std::lock_guard<std::mutex> guard(t.lock);
    unsigned char &w = t.width[u];
    if (w)
        return w;
    UErrorCode err = U_ZERO_ERROR;
    ucnv_reset(t.cnv.get());
    ucnv_setFromUCallBack(t.cnv.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &err);
    char out[8];
    UChar in = static_cast<UChar>(u);
    err = U_ZERO_ERROR;
    int32_t n = ucnv_fromUChars(t.cnv.get(), out, sizeof out, &in, 1, &err);
    if (U_FAILURE(err) || n <= 0)
        w = 3;
    else
        w = static_cast<unsigned char>(n > 2 ? 2 : n);
    return w;
}

int widthOf(const QString &text, int i, int *units)
{
    const char16_t u = text.at(i).unicode();
    if (QChar::isHighSurrogate(u) && i + 1 < text.size() && QChar::isLowSurrogate(text.at(i + 1).unicode())) {
        *units = 2;
        return 2;
    }
    *units = 1;
    if (u < 0x80)
        return 1;
    if (u >= 0xFF61 && u <= 0xFF9F)
        return 1;
    int w = measure(u);
    return w == 3 ? 2 : w;
}

QString transliterate(const QString &text, const char *id)
{
    UErrorCode err = U_ZERO_ERROR;
    std::unique_ptr<icu::Transliterator> tr(
        icu::Transliterator::createInstance(icu::UnicodeString::fromUTF8(id), UTRANS_FORWARD, err));
    if (U_FAILURE(err) || !tr)
        return text;
    icu::UnicodeString s(reinterpret_cast<const UChar *>(text.utf16()), static_cast<int32_t>(text.size()));
    tr->transliterate(s);
    return QString(reinterpret_cast<const QChar *>(s.getBuffer()), s.length());
}

} // namespace

int charBytes(char32_t ucs)
{
    if (ucs < 0x80)
        return 1;
    if (ucs >= 0xFF61 && ucs <= 0xFF9F)
        return 1;
    if (ucs > 0xFFFF)
        return 2;
    int w = measure(static_cast<char16_t>(ucs));
    return w == 3 ? 2 : w;
}

int byteLength(const QString &text)
{
    int total = 0;
    for (int i = 0; i < text.size();) {
        int units;
        total += widthOf(text, i, &units);
        i += units;
    }
    return total;
}

int charLength(const QString &text)
{
    int n = 0;
    for (int i = 0; i < text.size();) {
        int units;
        widthOf(text, i, &units);
        i += units;
        ++n;
    }
    return n;
}

QString leftBytes(const QString &text, int n)
{
    if (n <= 0)
        return {};
    int total = 0;
    int i = 0;
    while (i < text.size()) {
        int units;
        int w = widthOf(text, i, &units);
        if (total + w > n)
            break;
        total += w;
        i += units;
    }
    return text.left(i);
}

QString rightBytes(const QString &text, int n)
{
    if (n <= 0)
        return {};
    int len = byteLength(text);
    if (len <= n)
        return text;
    return midBytes(text, len - n + 1, n);
}

QString midBytes(const QString &text, int start, int n)
{
    if (n <= 0)
        return {};
    if (start < 1) {
        n += start - 1;
        start = 1;
        if (n <= 0)
            return {};
    }
    const int from = start - 1;      // 0-based byte offset of the first byte wanted
    const int to = from + n;         // one past the last byte wanted
    int pos = 0;
    int begin = -1, end = -1;
    for (int i = 0; i < text.size();) {
        int units;
        int w = widthOf(text, i, &units);
        if (pos >= from && pos + w <= to) {
            if (begin < 0)
                begin = i;
            end = i + units;
        } else if (pos >= to) {
            break;
        }
        pos += w;
        i += units;
    }
    if (begin < 0)
        return {};
    return text.mid(begin, end - begin);
}

QString midChars(const QString &text, int start, int n)
{
    if (n <= 0)
        return {};
    if (start < 1) {
        n += start - 1;
        start = 1;
        if (n <= 0)
            return {};
    }
    int ch = 1;
    int begin = -1;
    int i = 0;
    for (; i < text.size();) {
        int units;
        widthOf(text, i, &units);
        if (ch == start)
            begin = i;
        if (ch == start + n)
            break;
        i += units;
        ++ch;
    }
    if (begin < 0)
        return {};
    return text.mid(begin, i - begin);
}

QString padRight(const QString &text, int n)
{
    QString s = leftBytes(text, n);
    return s + QString(n - byteLength(s), u' ');
}

QString padLeft(const QString &text, int n)
{
    QString s = leftBytes(text, n);
    return QString(n - byteLength(s), u' ') + s;
}

QByteArray encode(const QString &text)
{
    QByteArray out;
    out.reserve(text.size() * 2);
    ConverterPtr cnv(openConverter());
    for (int i = 0; i < text.size();) {
        int units;
        widthOf(text, i, &units);
        UErrorCode err = U_ZERO_ERROR;
        ucnv_reset(cnv.get());
        ucnv_setFromUCallBack(cnv.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &err);
        char buf[8];
        err = U_ZERO_ERROR;
        int32_t n = ucnv_fromUChars(cnv.get(), buf, sizeof buf, reinterpret_cast<const UChar *>(text.utf16() + i),
                                    units, &err);
        if (U_FAILURE(err) || n <= 0)
            out.append("\x81\x48", 2);   // full-width "？"
        else
            out.append(buf, n);
        i += units;
    }
    return out;
}

bool decodeStrict(const QByteArray &bytes, QString *out)
{
    ConverterPtr cnv(openConverter());
    UErrorCode err = U_ZERO_ERROR;
    ucnv_setToUCallBack(cnv.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &err);
    err = U_ZERO_ERROR;
    QString result(bytes.size() + 1, Qt::Uninitialized);
    int32_t n = ucnv_toUChars(cnv.get(), reinterpret_cast<UChar *>(result.data()), static_cast<int32_t>(result.size()),
                              bytes.constData(), static_cast<int32_t>(bytes.size()), &err);
    if (U_FAILURE(err))
        return false;
    result.truncate(n);
    if (out)
        *out = result;
    return true;
}

QString decode(const QByteArray &bytes)
{
    ConverterPtr cnv(openConverter());
    UErrorCode err = U_ZERO_ERROR;
    QString result(bytes.size() + 1, Qt::Uninitialized);
    int32_t n = ucnv_toUChars(cnv.get(), reinterpret_cast<UChar *>(result.data()), static_cast<int32_t>(result.size()),
                              bytes.constData(), static_cast<int32_t>(bytes.size()), &err);
    if (U_FAILURE(err))
        return QString::fromLatin1(bytes);
    result.truncate(n);
    return result;
}

bool encodable(const QString &text)
{
    for (int i = 0; i < text.size();) {
        int units;
        widthOf(text, i, &units);
        const char16_t u = text.at(i).unicode();
        if (units == 2)
            return false;
        if (u >= 0x80 && !(u >= 0xFF61 && u <= 0xFF9F) && measure(u) == 3)
            return false;
        i += units;
    }
    return true;
}

QString toHalfWidthKatakana(const QString &text)
{
    return transliterate(text, "Hiragana-Katakana; Fullwidth-Halfwidth");
}

QString toFullWidth(const QString &text)
{
    return transliterate(text, "Halfwidth-Fullwidth");
}

QString toHalfWidthAscii(const QString &text)
{
    QString out = text;
    for (QChar &c : out) {
        const char16_t u = c.unicode();
        if (u >= 0xFF01 && u <= 0xFF5E)
            c = QChar(u - 0xFEE0);
        else if (u == 0x3000)
            c = QChar(u' ');
    }
    return out;
}

} // namespace sjis
