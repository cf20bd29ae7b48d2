#include "printer_setting.h"

#include "app/common/common_routines.h"
#include "app/common/prompter.h"
#include "print_tool.h"
#include "store/session.h"

#include <QImageReader>

namespace minori {

std::optional<PrinterLayout> readPrinterLayout(const QString &layoutName)
{
    store::Statement st = store::Session::data().prepare(QStringLiteral("SELECT * FROM printer WHERE 名称=?"));
    st.bind(0, layoutName);
    if (!st.step())
        return std::nullopt;
    PrinterLayout l;
    for (int i = 0; i < st.columnCount(); ++i) {
        const QString c = st.columnName(i);
        const QVariant v = st.value(i);
        if (c == u"名称") l.name = v.toString();
        else if (c == u"備考") l.remark = v.toString();
        else if (c == u"用紙横") l.paperWidth = v.toDouble();
        else if (c == u"用紙縦") l.paperHeight = v.toDouble();
        else if (c == u"左余白") l.left = v.toDouble();
        else if (c == u"上余白") l.top = v.toDouble();
        else if (c == u"左余白調整") l.leftAdjust = v.toDouble();
        else if (c == u"上余白調整") l.topAdjust = v.toDouble();
        else if (c == u"印刷枠横") l.frameWidth = v.toDouble();
        else if (c == u"印刷枠縦") l.frameHeight = v.toDouble();
        else if (c == u"印刷時ダイアログ表示") l.printDialog = v.toInt() != 0;
        else if (c == u"設計画面表示") l.designMode = v.toInt() != 0;
        else if (c == u"設計画面倍率") l.magnification = v.toInt();
        else if (c == u"設計画面画像使用") l.usePicture = v.toInt() != 0;
        else if (c == u"設計画面画像名") l.pictureName = v.toString();
        else if (c == u"設計画面画像MODE") l.pictureMode = v.toString();
        else if (c.compare(u"PrinterNo", Qt::CaseInsensitive) == 0) l.number = v.toInt();
    }
    return l;
}

bool _PrnStart(const QString &layoutName)
{
    const std::optional<PrinterLayout> row = readPrinterLayout(layoutName);
    if (!row) {
        ShowError(QStringLiteral("プリンターの設定がありません[%1]").arg(layoutName));
        return false;
    }
    TfPrintTool &tool = printTool();
    if (row->designMode) {
        // A magnification below 1 would give an empty page.
        const int mag = row->magnification > 0 ? row->magnification : 4;
        tool._PreviewOpen(row->paperWidth, row->paperHeight, row->left, row->top, row->frameWidth,
                          row->frameHeight, mag);
        if (row->usePicture && !row->pictureName.trimmed().isEmpty()) {
            if (row->pictureMode == u"用紙枠")
                tool.setPreviewBackground(QImageReader(DataEtcFilePath(row->pictureName.trimmed())).read());
            else
                tool._Pict(0, 0, row->frameWidth, row->frameHeight, row->pictureName.trimmed());
        }
        return true;
    }
    tool.setPaperHint(row->paperWidth, row->paperHeight);
    return tool._PrinterOpen(layoutName, row->printDialog, row->left + row->leftAdjust, row->top + row->topAdjust,
                             row->frameWidth, row->frameHeight);
}

bool printFrameTest(const QString &layoutName)
{
    const std::optional<PrinterLayout> row = readPrinterLayout(layoutName);
    if (!row) {
        ShowError(QStringLiteral("プリンターの設定がありません[%1]").arg(layoutName));
        return false;
    }
    TfPrintTool &tool = printTool();
    tool.setPaperHint(row->paperWidth, row->paperHeight);
    if (!tool._PrinterOpen(layoutName, false, row->left + row->leftAdjust, row->top + row->topAdjust,
                           row->frameWidth, row->frameHeight))
        return false;
    tool._DocBegin();
    tool._Waku();
    tool._DocEnd();
    return true;
}

} // namespace minori
