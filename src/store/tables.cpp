#include "tables.h"

namespace store {

QList<TableDef> allTables()
{
    QList<TableDef> all;
    all << settingsTables() << counterTables() << orderTables() << masterTables() << printTables();
    return all;
}

const TableDef *findTable(const QString &name)
{
    static const QList<TableDef> all = allTables();
    for (const TableDef &t : all)
        if (t.name.compare(name, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

} // namespace store
