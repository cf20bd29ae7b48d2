#include "tables.h"

namespace store {

namespace {

using C = ColumnDef;

QString s(const char16_t *text) { return QString::fromUtf16(text); }

IndexDef ix(const QString &name, const QStringList &columns) { return IndexDef{name, columns, false}; }

TableDef djudenTable()
{
    TableDef t;
    t.name = QStringLiteral("djuden");
    t.columns = {
        C::text(s(u"伝票No"), 8),
        C::date(s(u"日付")),
        C::text(s(u"得意先CODE"), 8),
        C::text(s(u"得意先名"), 30),
        C::text(s(u"フリガナ"), 24),
        C::text(s(u"郵便番号"), 8),
        C::text(s(u"住所1"), 30),
        C::text(s(u"住所2"), 30),
        C::text(s(u"住所3"), 30),
        C::text(s(u"電話番号"), 13),
        C::text(s(u"電話番号F"), 13),
        C::money(s(u"本体価格")),
        C::money(s(u"送料")),
        C::money(s(u"消費税")),
        C::money(s(u"合計金額")),
        C::money(s(u"値引金額")),
        C::money(s(u"請求金額")),
        C::text(s(u"入金"), 2),
        C::text(s(u"印刷"), 2),
        C::text(s(u"明細印刷"), 2),
        C::text(s(u"送状印刷"), 2),
        C::text(s(u"表示MK"), 1),
        C::text(s(u"選択"), 2),
        C::date(s(u"請求日")),
        C::text(s(u"年月"), 7),
        C::text(s(u"年"), 4),
        C::money(s(u"内金")),
        C::text(s(u"メモ"), 12),
        C::real(s(u"消費税率")),
        C::date(s(u"入金日")),
        C::text(s(u"入金年月"), 7),
        C::text(s(u"入金年"), 4),
        C::text(s(u"入金種別code"), 3),
        C::text(s(u"入金種別名"), 12),
    };
    t.primaryKey = {s(u"伝票No")};
    t.indexes = {
        ix(QStringLiteral("orderer"), {s(u"得意先CODE")}),
        ix(QStringLiteral("phone"), {s(u"電話番号F")}),
        ix(QStringLiteral("reading"), {s(u"フリガナ")}),
        ix(QStringLiteral("date"), {s(u"日付")}),
        ix(QStringLiteral("month"), {s(u"年月")}),
        ix(QStringLiteral("paymonth"), {s(u"入金年月")}),
        ix(QStringLiteral("printed"), {s(u"印刷")}),
    };
    return t;
}

// The line columns shared by djumei and tjumeihist, in table order.
QList<ColumnDef> djumeiColumns()
{
    return {
        C::text(s(u"伝行No"), 10),
        C::text(s(u"伝票No"), 8),
        C::text(s(u"行No"), 2),
        C::text(s(u"得意先CODE"), 8),
        C::text(s(u"得意先名"), 30),
        C::text(s(u"品番"), 13),
        C::text(s(u"品名"), 20),
        C::text(s(u"仕様"), 20),
        C::text(s(u"単位"), 4),
        C::money(s(u"単価")),
        C::smallint(s(u"数量")),
        C::money(s(u"金額")),
        C::money(s(u"送料")),
        C::text(s(u"送元電話"), 13),
        C::text(s(u"送元電話F"), 13),
        C::text(s(u"送元CODE"), 8),
        C::text(s(u"送元名"), 30),
        C::text(s(u"送先CODE"), 8),
        C::text(s(u"発送先名"), 30),
        C::text(s(u"住所1"), 30),
        C::text(s(u"住所2"), 30),
        C::text(s(u"住所3"), 30),
        C::text(s(u"送先電話"), 13),
        C::text(s(u"送先電話F"), 13),
        C::date(s(u"発送日")),
        C::date(s(u"発送予定日")),
        C::text(s(u"印刷"), 2),
        C::text(s(u"選択"), 2),
        C::text(s(u"表示MK"), 1),
        C::smallint(s(u"印刷枚数")),
        C::date(s(u"日付")),
        C::text(s(u"年月"), 7),
        C::text(s(u"年"), 4),
        C::text(s(u"送先郵便番号"), 8),
    };
}

TableDef djumeiTable()
{
    TableDef t;
    t.name = QStringLiteral("djumei");
    t.columns = djumeiColumns();
    t.primaryKey = {s(u"伝行No")};
    t.indexes = {
        ix(QStringLiteral("slip"), {s(u"伝票No"), s(u"行No")}),
        ix(QStringLiteral("orderer"), {s(u"得意先CODE")}),
        ix(QStringLiteral("sender"), {s(u"送元CODE"), s(u"送先CODE")}),
        ix(QStringLiteral("recipient"), {s(u"送先CODE")}),
        ix(QStringLiteral("senderphone"), {s(u"送元電話F")}),
        ix(QStringLiteral("recipientphone"), {s(u"送先電話F")}),
        ix(QStringLiteral("product"), {s(u"品番")}),
        ix(QStringLiteral("shipped"), {s(u"発送日")}),
        ix(QStringLiteral("printed"), {s(u"印刷")}),
        ix(QStringLiteral("date"), {s(u"日付")}),
        ix(QStringLiteral("month"), {s(u"年月")}),
    };
    return t;
}

TableDef ijumeiTable()
{
    TableDef t;
    t.name = QStringLiteral("ijumei");
    t.columns = {
        C::text(s(u"行No"), 3),
        C::text(s(u"並替"), 2),
        C::text(s(u"品番"), 13),
        C::text(s(u"品名"), 20),
        C::text(s(u"仕様"), 20),
        C::text(s(u"単位"), 4),
        C::money(s(u"単価")),
        C::smallint(s(u"数量")),
        C::money(s(u"金額")),
        C::money(s(u"送料")),
        C::text(s(u"送元電話"), 13),
        C::text(s(u"送元電話F"), 13),
        C::text(s(u"送元CODE"), 8),
        C::text(s(u"送元名"), 30),
        C::text(s(u"送先CODE"), 8),
        C::text(s(u"発送先名"), 30),
        C::text(s(u"住所1"), 30),
        C::text(s(u"住所2"), 30),
        C::text(s(u"住所3"), 30),
        C::text(s(u"送先電話"), 13),
        C::text(s(u"送先電話F"), 13),
        C::date(s(u"発送日")),
        C::date(s(u"発送予定日")),
        C::text(s(u"印刷"), 2),
        C::smallint(s(u"印刷枚数")),
        C::text(s(u"送先郵便番号"), 8),
    };
    t.indexes = {ix(QStringLiteral("line"), {s(u"行No")})};
    return t;
}

// Past lines of one orderer: every line column plus the duplicate mark. Rebuilt by its
// screen each time, so it carries no unique key of its own.
TableDef tjumeihistTable()
{
    TableDef t;
    t.name = QStringLiteral("tjumeihist");
    t.columns = djumeiColumns();
    t.columns << C::text(s(u"重複"), 4);
    t.indexes = {ix(QStringLiteral("line"), {s(u"伝行No")})};
    return t;
}

} // namespace

QList<TableDef> orderTables() { return {djudenTable(), djumeiTable(), ijumeiTable(), tjumeihistTable()}; }

} // namespace store
