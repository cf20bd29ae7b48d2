#pragma once
// Typing into widgets as a user would: ASCII by key clicks, anything else as the committed
// text of an input method (QTest cannot click keys for Japanese text).
#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

inline void typeText(QWidget *w, const QString &text)
{
    w->setFocus();
    for (QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClicks(w, QString(c));
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(QString(c));
            QApplication::sendEvent(w, &commit);
        }
    }
}

// Replaces the whole text of a line edit or similar by typing.
inline void retype(QLineEdit *w, const QString &text)
{
    w->setFocus();
    w->selectAll();
    QTest::keyClick(w, Qt::Key_Delete);
    typeText(w, text);
}
