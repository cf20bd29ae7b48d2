#pragma once
// The reading of a name as it is typed through a Japanese input method. While the user
// composes, the input method shows the kana typed so far (pre-edit text); on conversion the
// pre-edit turns into kanji, and the commit hands over the converted text. The reading of a
// committed text is the last all-kana pre-edit of its composition (or the committed text
// itself when it is kana), given in half-width katakana.
#include <QObject>
#include <QString>
#include <functional>

class QInputMethodEvent;
class QWidget;

namespace minori::customer {

// True when the text is not empty and holds only hiragana, katakana (either width) and
// the long-vowel and voicing marks.
bool isKanaText(const QString &text);

// Follows the compositions of one input-method session. feed() returns the reading of the
// text committed by the event, empty when nothing was committed or it had no reading.
class ReadingTracker {
public:
    QString feed(const QString &preedit, const QString &commit);
    void reset() { kana_.clear(); }

private:
    QString kana_;
};

// Watches the input-method events of a field and reports the reading of each committed text
// while active() says so. Leaving the field forgets the composition.
class ReadingCapture : public QObject {
    Q_OBJECT
public:
    ReadingCapture(QWidget *field, std::function<bool()> active, QObject *parent = nullptr);

signals:
    void readingCommitted(const QString &halfWidthKana);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *field_;
    std::function<bool()> active_;
    ReadingTracker tracker_;
};

} // namespace minori::customer
