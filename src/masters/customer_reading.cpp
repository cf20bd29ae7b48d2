#include "customer_reading.h"

#include "store/sjis.h"

#include <QEvent>
#include <QInputMethodEvent>
#include <QWidget>

namespace minori::customer {

namespace {
// The input method hands over at most this many bytes of reading at a time.
constexpr int kMaxReadingBytes = 256;
} // namespace

bool isKanaText(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        const bool hiragana = u >= 0x3041 && u <= 0x309F;
        const bool katakana = u >= 0x30A0 && u <= 0x30FF;
        const bool halfKatakana = u >= 0xFF66 && u <= 0xFF9F;
        if (!hiragana && !katakana && !halfKatakana)
            return false;
    }
    return true;
}

QString ReadingTracker::feed(const QString &preedit, const QString &commit)
{
    if (isKanaText(preedit))
        kana_ = preedit;        // the kana typed so far, before it is converted
    if (commit.isEmpty()) {
        if (preedit.isEmpty())
            kana_.clear();      // the composition was abandoned
        return {};
    }
    QString reading = kana_.isEmpty() && isKanaText(commit) ? commit : kana_;
    kana_.clear();
    if (isKanaText(preedit))
        kana_ = preedit;        // a new composition started with the commit
    if (reading.isEmpty())
        return {};
    return sjis::leftBytes(sjis::toHalfWidthKatakana(reading), kMaxReadingBytes);
}

ReadingCapture::ReadingCapture(QWidget *field, std::function<bool()> active, QObject *parent)
    : QObject(parent), field_(field), active_(std::move(active))
{
    field_->installEventFilter(this);
}

bool ReadingCapture::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != field_)
        return false;
    if (event->type() == QEvent::FocusOut) {
        tracker_.reset();
    } else if (event->type() == QEvent::InputMethod) {
        if (!active_ || !active_()) {
            tracker_.reset();
            return false;
        }
        auto *e = static_cast<QInputMethodEvent *>(event);
        const QString reading = tracker_.feed(e->preeditString(), e->commitString());
        if (!reading.isEmpty())
            emit readingCommitted(reading);
    }
    return false;
}

} // namespace minori::customer
