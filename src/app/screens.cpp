#include "screens.h"

#include "address/yubin_find.h"
#include "app/common/tf_counter.h"
#include "app/shell/screen_registry.h"

#include <QWidget>

namespace minori {

void registerAllScreens()
{
    setPostalDateSource([] { return TfYubinFind::PostalDataDate(); });
    // Developer window.
    registerScreen(QStringLiteral("カウンター設定"), [](QWidget *parent) {
        static TfCounter *screen = new TfCounter(parent);
        screen->exec();
    });
}

} // namespace minori
