#include "screen_state.h"

#include "store/company_settings.h"
#include "store/session.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSpinBox>
#include <QTextEdit>

namespace minori {

ColorScheme &colorScheme()
{
    static ColorScheme scheme;
    return scheme;
}

namespace {
void paint(QWidget *w, const QColor &bg, const QColor &fg)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Base, bg);
    p.setColor(QPalette::Window, bg);
    p.setColor(QPalette::Text, fg);
    p.setColor(QPalette::WindowText, fg);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

bool inTabOrder(QWidget *w) { return (w->focusPolicy() & Qt::TabFocus) && !w->property("alwaysReadOnly").toBool(); }

void setWritable(QWidget *w, bool writable)
{
    if (auto *e = qobject_cast<QLineEdit *>(w))
        e->setReadOnly(!writable);
    else if (auto *t = qobject_cast<QPlainTextEdit *>(w))
        t->setReadOnly(!writable);
    else if (auto *t2 = qobject_cast<QTextEdit *>(w))
        t2->setReadOnly(!writable);
    else if (auto *s = qobject_cast<QAbstractSpinBox *>(w))
        s->setReadOnly(!writable);
    else if (qobject_cast<QComboBox *>(w) || qobject_cast<QCheckBox *>(w))
        w->setEnabled(writable);
}
} // namespace

void ShowModeLabel(QLabel *label, int mode)
{
    if (!label)
        return;
    const ColorScheme &c = colorScheme();
    switch (mode) {
    case ModeBrowse:
        label->setText(QStringLiteral("参照"));
        paint(label, c.browse, c.browseText);
        break;
    case ModeNew:
        label->setText(QStringLiteral("新規"));
        paint(label, c.newMode, c.newModeText);
        break;
    case ModeEdit:
        label->setText(QStringLiteral("修正"));
        paint(label, c.editMode, c.editModeText);
        break;
    default:
        break;
    }
}

void ApplyScreenColors(QWidget *screen, bool editMode)
{
    const ColorScheme &c = colorScheme();
    QPalette p = screen->palette();
    p.setColor(QPalette::Window, c.surface);
    p.setColor(QPalette::WindowText, c.surfaceText);
    screen->setPalette(p);
    for (QWidget *w : screen->findChildren<QWidget *>()) {
        if (w->property("modeLabel").toBool())
            continue;
        if (auto *view = qobject_cast<QAbstractItemView *>(w)) {
            if (view->property("boundGrid").toBool()) {
                paint(view, c.readOnly, c.readOnlyText);
                view->setEditTriggers(QAbstractItemView::NoEditTriggers);
                view->setEnabled(!editMode);
            }
            continue;
        }
        const bool input = qobject_cast<QLineEdit *>(w) || qobject_cast<QPlainTextEdit *>(w) ||
                           qobject_cast<QTextEdit *>(w) || qobject_cast<QAbstractSpinBox *>(w) ||
                           qobject_cast<QComboBox *>(w) || qobject_cast<QCheckBox *>(w);
        if (!input)
            continue;
        if (qobject_cast<QLineEdit *>(w) && qobject_cast<QAbstractSpinBox *>(w->parentWidget()))
            continue;   // the line edit inside a spin or date box
        if (qobject_cast<QLineEdit *>(w) && qobject_cast<QComboBox *>(w->parentWidget()))
            continue;
        if (w->property("bound").toBool()) {
            const bool writable = editMode && inTabOrder(w);
            setWritable(w, writable);
            if (writable)
                paint(w, c.editable, c.editableText);
            else
                paint(w, c.readOnly, c.readOnlyText);
        } else if (auto *e = qobject_cast<QLineEdit *>(w)) {
            if (e->isReadOnly())
                paint(e, c.readOnly, c.readOnlyText);
            else
                paint(e, c.editable, c.editableText);
        }
    }
}

void ApplyMaximizeSetting(QWidget *screen)
{
    try {
        if (store::Session::isOpen() && store::systemFlag(store::Session::data(), QStringLiteral("全画面最大化")))
            screen->showMaximized();
    } catch (const store::SqlError &) {
    }
}

bool IsPlainInputFocused(QWidget *screen)
{
    QWidget *f = QApplication::focusWidget();
    if (!f || (screen && !screen->isAncestorOf(f) && f != screen))
        return false;
    if (qobject_cast<QPlainTextEdit *>(f) || qobject_cast<QTextEdit *>(f) || qobject_cast<QAbstractItemView *>(f))
        return false;
    for (QWidget *w = f; w; w = w->parentWidget()) {
        if (auto *combo = qobject_cast<QComboBox *>(w))
            if (combo->view() && combo->view()->isVisible())
                return false;
        if (qobject_cast<QAbstractItemView *>(w))
            return false;
    }
    return true;
}

void ResetProgress(QProgressBar *bar, int n)
{
    bar->setRange(0, n);
    bar->setValue(0);
}

KeyNavigation::KeyNavigation(QWidget *screen) : QObject(screen), screen_(screen) {}

bool KeyNavigation::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    const int k = key->key();
    if (k != Qt::Key_Return && k != Qt::Key_Enter && k != Qt::Key_Down && k != Qt::Key_Up)
        return false;
    if (!IsPlainInputFocused(screen_))
        return false;
    QWidget *f = QApplication::focusWidget();
    if (qobject_cast<QAbstractButton *>(f) && (k == Qt::Key_Return || k == Qt::Key_Enter))
        return false;    // Enter on a button presses it
    const bool forward = k != Qt::Key_Up && !(key->modifiers() & Qt::ShiftModifier);
    if (f) {
        QWidget *target = forward ? f->nextInFocusChain() : f->previousInFocusChain();
        // Skip widgets that cannot take the focus by tab.
        for (int guard = 0; target && guard < 500; ++guard) {
            if (target->isVisible() && target->isEnabled() && (target->focusPolicy() & Qt::TabFocus) &&
                screen_->isAncestorOf(target) && !target->focusProxy())
                break;
            target = forward ? target->nextInFocusChain() : target->previousInFocusChain();
        }
        if (target)
            target->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    }
    return true;
}

KeyNavigation *installKeyNavigation(QWidget *screen)
{
    auto *nav = new KeyNavigation(screen);
    QApplication::instance()->installEventFilter(nav);
    return nav;
}

} // namespace minori
