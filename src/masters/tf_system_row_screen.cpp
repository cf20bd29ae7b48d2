#include "tf_system_row_screen.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

namespace minori {

namespace {
const char16_t *const kUnused[] = {u"新規", u"削除", u"検索"};
} // namespace

SystemRowScreen::SystemRowScreen(const QString &caption, QWidget *parent)
    : RecordScreen(caption, QStringLiteral("SELECT * FROM system"), parent)
{
    for (const char16_t *c : kUnused)
        if (QAction *a = command(QString::fromUtf16(c)))
            a->setVisible(false);
    hideRowCommands();
    if (QMenu *m = menu(QStringLiteral("印刷&P")))
        m->menuAction()->setVisible(false);   // nothing to print from the settings row
    // The shared pattern shows its commands again at each change of mode.
    connect(this, &RecordScreen::modeChanged, this, &SystemRowScreen::hideRowCommands);
}

void SystemRowScreen::hideRowCommands()
{
    for (const char16_t *c : kUnused) {
        const QString caption = QString::fromUtf16(c);
        if (QAction *a = command(caption))
            a->setEnabled(false);
        if (QPushButton *b = commandButton(caption))
            b->setVisible(false);
    }
}

void SystemRowScreen::bindField(QWidget *widget, const QString &field)
{
    widget->setObjectName(field);
    binder().bind(widget, field);
    widget->installEventFilter(this);   // shortcuts over editing keys, value on entry
}

} // namespace minori
