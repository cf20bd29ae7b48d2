#include "product_list_prints.h"

#include "app/common/common_routines.h"
#include "print/print_db_list.h"
#include "print/print_tool.h"

namespace minori {

namespace {
const QString kProductColumns = QStringLiteral("品番::13,品名::32,仕様::20,定価::7:F,分類CODE:分類C:5,分類名::20");
const QString kClassColumns = QStringLiteral("分類CODE::8,分類名::20");
} // namespace

QList<MasterListPrint> masterListPrints(const QString &table)
{
    if (table == u"msyohin")
        return {
            {QStringLiteral("一覧表印刷(品番順)"), QStringLiteral("商品マスター(品番順)        %s      %d/%d"), true,
             QStringLiteral("A4横"), QStringLiteral("SELECT * FROM msyohin ORDER BY 品番"), kProductColumns, 30},
            {QStringLiteral("一覧表印刷(分類順)"), QStringLiteral("商品マスター(分類CODE順)        %s      %d/%d"), true,
             QStringLiteral("A4横"), QStringLiteral("SELECT * FROM msyohin ORDER BY 分類CODE,品番"), kProductColumns, 30},
        };
    if (table == u"msyobun")
        return {{QStringLiteral("一覧表印刷"), QStringLiteral("商品分類マスター        %s      %d/%d"), false,
                 QStringLiteral("A4縦"), QStringLiteral("SELECT * FROM msyobun ORDER BY 分類code"), kClassColumns, 50}};
    if (table == u"mbunrui")
        return {{QStringLiteral("一覧表印刷"), QStringLiteral("顧客分類マスター        %s      %d/%d"), false,
                 QStringLiteral("A4縦"), QStringLiteral("SELECT * FROM mbunrui ORDER BY 分類code"), kClassColumns, 50}};
    if (table == u"mnyukin")
        return {{QStringLiteral("一覧表印刷"), QStringLiteral("入金種別マスター        %s      %d/%d"), false,
                 QStringLiteral("A4縦"), QStringLiteral("SELECT * FROM mnyukin ORDER BY 入金種別code"),
                 QStringLiteral("入金種別code::12,入金種別名::12"), 50}};
    return {};
}

QString masterListHeader(const QString &format, const QString &now, int page, int pages)
{
    QString out = format;
    out.replace(out.indexOf(QLatin1String("%s")), 2, now);
    out.replace(out.indexOf(QLatin1String("%d")), 2, QString::number(page));
    out.replace(out.indexOf(QLatin1String("%d")), 2, QString::number(pages));
    return out;
}

void setUpMasterList(TfPrintDbList &printer, const MasterListPrint &list)
{
    const QString format = list.headerFormat;
    PageHeader header = [format](int page, int pages) {
        TfPrintTool &tool = printTool();
        tool._FontSize(5);
        tool._TextXY(0, 0, masterListHeader(format, NowText().left(16), page, pages));
    };
    if (list.full)
        printer._ListSetupFull(list.layout, 0, 0, header, list.columns, list.sql, DataFolderPath(), list.rowsPerPage,
                               1, 0.5, 0.25, 0.8, 5, 0.5, 10, 0);
    else
        printer._ListSetup(list.layout, 0, header, list.columns, list.sql, DataFolderPath(), list.rowsPerPage, 0.8, 5,
                           2.3, 10, 0, 0);
}

void showMasterList(const MasterListPrint &list)
{
    TfPrintDbList &printer = printDbList();
    setUpMasterList(printer, list);
    if (printer.columnsOk())
        printer.exec();
}

} // namespace minori
