#pragma once
// Every table of the data folder, by area. A fresh data folder is made from these.
#include "schema.h"

namespace store {

QList<TableDef> settingsTables();   // system, dwallpaper
QList<TableDef> counterTables();    // Counter
QList<TableDef> orderTables();      // djuden, djumei, ijumei, tjumeihist
QList<TableDef> masterTables();     // mtokui, msyohin, msyobun, mbunrui, mnyukin, mcustom
QList<TableDef> printTables();      // printer

QList<TableDef> allTables();
const TableDef *findTable(const QString &name);

} // namespace store
