#include "screens.h"

#include "address/yubin_find.h"
#include "app/shell/screen_registry.h"

#include <QWidget>

namespace minori {

void registerAllScreens()
{
    setPostalDateSource([] { return TfYubinFind::PostalDataDate(); });
}

} // namespace minori
