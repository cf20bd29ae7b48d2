#include "counters.h"
#include "database.h"
#include "tables.h"

namespace store {

namespace {

using C = ColumnDef;

QString s(const char16_t *text) { return QString::fromUtf16(text); }

IndexDef ix(const QString &name, const QStringList &columns) { return IndexDef{name, columns, false}; }

TableDef mtokuiTable()
{
    TableDef t;
    t.name = QStringLiteral("mtokui");
    t.columns = {
        C::text(s(u"得意先CODE"), 8),
        C::text(s(u"得意先名"), 30),
        C::text(s(u"フリガナ"), 24),
        C::text(s(u"郵便番号"), 8),
        C::text(s(u"住所1"), 30),
        C::text(s(u"住所2"), 30),
        C::text(s(u"住所3"), 30),
        C::text(s(u"電話番号"), 13),
        C::text(s(u"電話番号F"), 13),
        C::text(s(u"FAX番号"), 12),
        C::text(s(u"E_MAIL"), 40),
        C::text(s(u"URL"), 30),
        C::date(s(u"生年月日")),
        C::date(s(u"登録日")),
        C::memo(s(u"メモ")),
        C::text(s(u"選択"), 2),
        C::text(s(u"送信"), 2),
        C::text(s(u"敬称"), 4),
        C::text(s(u"住所確認"), 2),
        C::text(s(u"分類名"), 20),
        C::text(s(u"分類CODE"), 4),
        C::text(s(u"表示MK"), 1),
        C::text(s(u"未使用"), 2),
        C::date(s(u"定期購入日")),
    };
    t.primaryKey = {s(u"得意先CODE")};
    t.indexes = {
        ix(QStringLiteral("phone"), {s(u"電話番号F")}),
        ix(QStringLiteral("reading"), {s(u"フリガナ")}),
        ix(QStringLiteral("name"), {s(u"得意先名")}),   // the customer search sorts by name
        ix(QStringLiteral("class"), {s(u"分類CODE")}),
        ix(QStringLiteral("picked"), {s(u"選択")}),
        ix(QStringLiteral("regular"), {s(u"定期購入日")}),
    };
    // The take-away customer owns the code the customer counter writes for 0.
    t.seed = [](Database &db) {
        QString code = QStringLiteral("00000000");   // the form the delivered counter row gives
        try {
            code = CounterService(db).format(QStringLiteral("MTOKUI"), QStringLiteral("0"));
        } catch (const CounterError &) {
        }
        db.exec(QStringLiteral("INSERT INTO mtokui (得意先CODE, 得意先名) VALUES (?, ?)"), {code, s(u"お持ち帰り")});
    };
    return t;
}

TableDef msyohinTable()
{
    TableDef t;
    t.name = QStringLiteral("msyohin");
    t.columns = {
        C::text(s(u"品番"), 13),
        C::text(s(u"品名"), 20),
        C::text(s(u"仕様"), 20),
        C::money(s(u"定価")),
        C::text(s(u"送状印刷"), 2),
        C::text(s(u"分類CODE"), 4),
        C::text(s(u"分類名"), 20),
        C::text(s(u"顧客抽出"), 2),
    };
    t.primaryKey = {s(u"品番")};
    t.indexes = {ix(QStringLiteral("class"), {s(u"分類CODE")})};
    return t;
}

TableDef classTable(const QString &name)
{
    TableDef t;
    t.name = name;
    t.columns = {C::text(s(u"分類CODE"), 4), C::text(s(u"分類名"), 20)};
    t.primaryKey = {s(u"分類CODE")};
    return t;
}

TableDef mnyukinTable()
{
    TableDef t;
    t.name = QStringLiteral("mnyukin");
    t.columns = {C::text(s(u"入金種別CODE"), 3), C::text(s(u"入金種別名"), 12)};
    t.primaryKey = {s(u"入金種別CODE")};
    return t;
}

TableDef mcustomTable()
{
    TableDef t;
    t.name = QStringLiteral("mcustom");
    t.columns = {C::smallint(s(u"カスタムNO"))};
    t.seed = [](Database &db) { db.exec(QStringLiteral("INSERT INTO mcustom (カスタムNO) VALUES (0)")); };
    return t;
}

} // namespace

QList<TableDef> masterTables()
{
    return {mtokuiTable(), msyohinTable(), classTable(QStringLiteral("msyobun")), classTable(QStringLiteral("mbunrui")),
            mnyukinTable(), mcustomTable()};
}

} // namespace store
