#include "screens.h"

#include "address/yubin_find.h"
#include "app/common/tf_counter.h"
#include "app/shell/screen_registry.h"
#include "print/print_tool_window.h"
#include "print/printer_design_screen.h"
#include "print/printer_setting_screen.h"

#include <QWidget>

namespace minori {

namespace {
// Screens are made once, on first use, and kept until the program ends.
template <typename T>
T *once(QWidget *parent)
{
    static T *screen = new T(parent);
    return screen;
}

// A developer's window that stands beside the others.
template <typename T>
void showBeside(QWidget *parent)
{
    T *s = once<T>(parent);
    s->show();
    s->raise();
}
} // namespace

void registerAllScreens()
{
    registerScreen(QStringLiteral("プリンター設定"), [](QWidget *parent) { once<TfPrinterSetting>(parent)->exec(); });
    registerScreen(QStringLiteral("プリンター設計"), showBeside<TfPrinterDesin>);
    registerScreen(QStringLiteral("PrintTool"), showBeside<TfPrintToolWindow>);
    setPostalDateSource([] { return TfYubinFind::PostalDataDate(); });
    // Developer window.
    registerScreen(QStringLiteral("カウンター設定"), [](QWidget *parent) {
        static TfCounter *screen = new TfCounter(parent);
        screen->exec();
    });
}

} // namespace minori
