#include "database.h"
#include "tables.h"

namespace store {

namespace {

using C = ColumnDef;

// The paper layouts documents print on. Sizes in mm: the carriers' label forms are continuous
// forms 7 inches long, transfer forms 8 × 3.5 inches, address labels a 12-label A4 sheet.
struct Layout {
    const char16_t *name;
    const char16_t *remark;
    double paperW, paperH, left, top, frameW, frameH;
};

const Layout kLayouts[] = {
    {u"ヤマト伝票", u"宅急便発払い", 108.0, 177.8, 4.0, 4.0, 100.0, 169.8},
    {u"ヤマト伝票代引", u"宅急便コレクト", 108.0, 177.8, 4.0, 4.0, 100.0, 169.8},
    {u"ヤマト便", u"ヤマト便", 108.0, 177.8, 4.0, 4.0, 100.0, 169.8},
    {u"佐川急便", u"飛脚宅配便", 114.3, 177.8, 4.0, 4.0, 106.3, 169.8},
    {u"佐川急便2010年版", u"飛脚宅配便2010", 114.3, 177.8, 4.0, 4.0, 106.3, 169.8},
    {u"ゆうパック", u"ゆうパック", 114.3, 177.8, 4.0, 4.0, 106.3, 169.8},
    {u"ゆうパック2004年版", u"ゆうパック2004", 114.3, 177.8, 4.0, 4.0, 106.3, 169.8},
    {u"ゆうパック2010年版", u"ゆうパック2010", 114.3, 177.8, 4.0, 4.0, 106.3, 169.8},
    {u"ゆうパック2011年版生", u"ゆうパック2011", 114.3, 177.8, 4.0, 4.0, 106.3, 169.8},
    {u"ペリカン便", u"ペリカン便", 114.3, 177.8, 4.0, 4.0, 106.3, 169.8},
    {u"ペリカン便2005年版", u"ペリカン便2005", 114.3, 177.8, 4.0, 4.0, 106.3, 169.8},
    {u"ペリカン便2009年版", u"ペリカン便2009", 114.3, 177.8, 4.0, 4.0, 106.3, 169.8},
    {u"ペリカン便代引2009年", u"ペリカン便代引", 114.3, 177.8, 4.0, 4.0, 106.3, 169.8},
    {u"明細書", u"納品書・明細書 A4", 210.0, 297.0, 10.0, 10.0, 190.0, 277.0},
    {u"郵便振込2002年版", u"払込取扱票", 203.2, 88.9, 3.0, 3.0, 197.2, 82.9},
    {u"郵便振込2003年版", u"払込取扱票", 203.2, 88.9, 3.0, 3.0, 197.2, 82.9},
    {u"郵便振込2007年版", u"払込取扱票", 203.2, 88.9, 3.0, 3.0, 197.2, 82.9},
    {u"郵便振込2007年版2", u"払込取扱票", 203.2, 88.9, 3.0, 3.0, 197.2, 82.9},
    {u"A4縦", u"A4 縦", 210.0, 297.0, 10.0, 10.0, 190.0, 277.0},
    {u"葉書", u"官製葉書", 100.0, 148.0, 5.0, 5.0, 90.0, 138.0},
    {u"宛名ラベル", u"A4 12面", 210.0, 297.0, 18.6, 21.5, 172.8, 254.0},
    {u"B4横", u"B4 横", 364.0, 257.0, 10.0, 10.0, 344.0, 237.0},
    {u"A4横", u"A4 横", 297.0, 210.0, 10.0, 10.0, 277.0, 190.0},
};

TableDef printerTable()
{
    TableDef t;
    t.name = QStringLiteral("printer");
    t.columns = {
        C::text(QStringLiteral("名称"), 20),
        C::text(QStringLiteral("備考"), 20),
        C::real(QStringLiteral("用紙横")),
        C::real(QStringLiteral("用紙縦")),
        C::real(QStringLiteral("左余白")),
        C::real(QStringLiteral("上余白")),
        C::real(QStringLiteral("左余白調整")),
        C::real(QStringLiteral("上余白調整")),
        C::real(QStringLiteral("印刷枠横")),
        C::real(QStringLiteral("印刷枠縦")),
        C::logical(QStringLiteral("印刷時ダイアログ表示")),
        C::logical(QStringLiteral("設計画面表示")),
        C::smallint(QStringLiteral("設計画面倍率")),
        C::logical(QStringLiteral("設計画面画像使用")),
        C::text(QStringLiteral("設計画面画像名"), 30),
        C::text(QStringLiteral("設計画面画像MODE"), 6),
        C::smallint(QStringLiteral("PrinterNo")),
    };
    t.primaryKey = {QStringLiteral("名称")};
    t.indexes = {{QStringLiteral("no"), {QStringLiteral("PrinterNo")}, false}};
    t.seed = [](Database &db) {
        Transaction tx(db);
        int no = 1;
        for (const Layout &l : kLayouts) {
            db.exec(QStringLiteral("INSERT INTO printer (名称, 備考, 用紙横, 用紙縦, 左余白, 上余白, 左余白調整, 上余白調整, "
                                   "印刷枠横, 印刷枠縦, 印刷時ダイアログ表示, 設計画面表示, 設計画面倍率, 設計画面画像使用, "
                                   "設計画面画像名, 設計画面画像MODE, PrinterNo) "
                                   "VALUES (?, ?, ?, ?, ?, ?, 0, 0, ?, ?, 0, 0, 4, 0, '', '', ?)"),
                    {QString::fromUtf16(l.name), QString::fromUtf16(l.remark), l.paperW, l.paperH, l.left, l.top,
                     l.frameW, l.frameH, no++});
        }
        tx.commit();
    };
    return t;
}

} // namespace

QList<TableDef> printTables() { return {printerTable()}; }

} // namespace store
