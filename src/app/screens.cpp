#include "screens.h"

#include "app/shell/screen_registry.h"

#include <QWidget>

namespace minori {

void registerAllScreens()
{
}

} // namespace minori
