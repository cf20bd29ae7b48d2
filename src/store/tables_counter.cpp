#include "tables.h"

namespace store {

QList<TableDef> counterTables()
{
    return {};
}

} // namespace store
