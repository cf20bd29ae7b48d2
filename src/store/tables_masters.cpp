#include "tables.h"

namespace store {

QList<TableDef> masterTables()
{
    return {};
}

} // namespace store
