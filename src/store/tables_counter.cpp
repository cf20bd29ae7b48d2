#include "database.h"
#include "tables.h"

namespace store {

namespace {

using C = ColumnDef;

TableDef counterTable()
{
    TableDef t;
    t.name = QStringLiteral("Counter");
    t.columns = {
        C::text(QStringLiteral("名称"), 20),
        C::integer(QStringLiteral("COUNTER")),
        C::logical(QStringLiteral("自動ゼロ付加")),
        C::integer(QStringLiteral("フィールドサイズ")),
    };
    t.primaryKey = {QStringLiteral("名称")};
    // Slip numbers and customer codes: zero-padded to the 8 bytes of their key columns.
    t.seed = [](Database &db) {
        const QString sql = QStringLiteral("INSERT INTO Counter (名称, COUNTER, 自動ゼロ付加, フィールドサイズ) VALUES (?, 0, 1, 8)");
        db.exec(sql, {QStringLiteral("DJUDEN")});
        db.exec(sql, {QStringLiteral("MTOKUI")});
    };
    return t;
}

} // namespace

QList<TableDef> counterTables() { return {counterTable()}; }

} // namespace store
