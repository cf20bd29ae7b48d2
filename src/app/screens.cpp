#include "screens.h"

#include "address/yubin_find.h"
#include "app/shell/screen_registry.h"
#include "masters/tf_mtokui.h"

#include <QWidget>

namespace minori {

void registerAllScreens()
{
    setPostalDateSource([] { return TfYubinFind::PostalDataDate(); });
    registerScreen(QStringLiteral("顧客マスター"), [](QWidget *) { TfMTokui::instance().Run(TfMTokui::BrowseAll, {}, {}); });
}

} // namespace minori
