#include "printer_design_screen.h"

#include "app/common/common_routines.h"
#include "app/common/prompter.h"
#include "printer_setting_screen.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>

namespace minori {

TfPrinterDesin::TfPrinterDesin(QWidget *parent)
    : RecordScreen(QStringLiteral("プリンター用紙設計"), QStringLiteral("SELECT * FROM printer ORDER BY PrinterNo"),
                   parent)
{
    setObjectName(QStringLiteral("TfPrinterDesin"));
    hideRecordCommands(this, {QStringLiteral("検索")});
    const QString rec = QStringLiteral("レコード&R");
    addCommand(rec, QStringLiteral("通常モード"), QKeySequence(), InBrowse, [this] { normalMode(); });
    addCommand(rec, QStringLiteral("設計モード"), QKeySequence(), InBrowse, [this] { designMode(); });
    addCommand(rec, QStringLiteral("ダイアログ無"), QKeySequence(), InBrowse, [this] { dialogOff(); });
    addCommand(rec, QStringLiteral("ダイアログ有"), QKeySequence(), InBrowse, [this] { dialogOn(); });
    addCommand(QStringLiteral("編集中&H"), QStringLiteral("参照"), QKeySequence(), InEdit, [this] { choosePicture(); });

    // The list on the left, every column of the current row in a panel on the right.
    addGrid({});
    bodyLayout()->removeItem(formLayout());
    formLayout()->setParent(nullptr);
    bodyLayout()->removeWidget(grid());
    auto *side = new QHBoxLayout;
    side->addWidget(grid(), 1);
    side->addLayout(formLayout());
    bodyLayout()->addLayout(side, 1);

    const ImeMode off = ImeMode::Off;
    addLineField(QStringLiteral("名称"), QStringLiteral("名称"), ImeMode::Hiragana);
    addLineField(QStringLiteral("備考"), QStringLiteral("備考"), ImeMode::Hiragana);
    for (const char16_t *f : {u"用紙横", u"用紙縦", u"左余白", u"上余白", u"左余白調整", u"上余白調整", u"印刷枠横",
                              u"印刷枠縦", u"設計画面倍率"})
        addLineField(QString::fromUtf16(f), QString::fromUtf16(f), off);
    addLineField(QStringLiteral("設計画面画像名"), QStringLiteral("設計画面画像名"), off);
    addLineField(QStringLiteral("PrinterNo"), QStringLiteral("PrinterNo"), off);
    for (const char16_t *f : {u"印刷時ダイアログ表示", u"設計画面表示", u"設計画面画像使用"}) {
        auto *c = new QCheckBox(QString::fromUtf16(f), this);
        c->setObjectName(QString::fromUtf16(f));
        placeField(QString(), c, -1, 0);
        binder().bind(c, QString::fromUtf16(f));
    }
    addComboField(QStringLiteral("設計画面画像MODE"), QStringLiteral("設計画面画像MODE"),
                  {QString(), QStringLiteral("用紙枠"), QStringLiteral("印刷枠")}, false);
    resize(1100, 650);
}

QString TfPrinterDesin::deleteQuestion() const
{
    return QStringLiteral("%1 削除").arg(const_cast<TfPrinterDesin *>(this)->query().field(QStringLiteral("名称")).asString());
}

void TfPrinterDesin::afterAppend()
{
    store::Dataset &q = query();
    q.field(QStringLiteral("設計画面倍率")).setInteger(4);
    q.field(QStringLiteral("印刷時ダイアログ表示")).setBool(false);
    q.field(QStringLiteral("設計画面表示")).setBool(false);
    q.field(QStringLiteral("設計画面画像使用")).setBool(false);
}

void TfPrinterDesin::updateAll(const QString &sql, const QString &message)
{
    query().close();
    ExecSql(sql);
    query().open();
    binder().load();
    ShowInfo(message);
}

void TfPrinterDesin::normalMode()
{
    updateAll(QStringLiteral("UPDATE printer SET 設計画面表示=false"), QStringLiteral("全プリンター設定を\r通常モードに設定しました"));
}

void TfPrinterDesin::designMode()
{
    updateAll(QStringLiteral("UPDATE printer SET 設計画面表示=true"),
              QStringLiteral("全プリンター設定を\r★設計モード★に設定しました"));
}

void TfPrinterDesin::dialogOff()
{
    updateAll(QStringLiteral("UPDATE printer SET 印刷時ダイアログ表示=false"),
              QStringLiteral("全プリンター設定を\r印刷時ダイアログ表示無しに設定しました"));
}

void TfPrinterDesin::dialogOn()
{
    updateAll(QStringLiteral("UPDATE printer SET 印刷時ダイアログ表示=true"),
              QStringLiteral("全プリンター設定を\r印刷時ダイアログ表示有りに設定しました"));
}

void TfPrinterDesin::choosePicture()
{
    const QString path = QFileDialog::getOpenFileName(this, QString(), DataEtcFilePath(QString()),
                                                      QStringLiteral("画像 (*.jpg *.bmp);;全て (*.*)"));
    if (!path.isEmpty())
        setPictureName(path);
}

void TfPrinterDesin::setPictureName(const QString &path)
{
    if (!query().isEditing())
        return;
    if (auto *e = qobject_cast<QLineEdit *>(fieldWidget(QStringLiteral("設計画面画像名"))))
        e->setText(QFileInfo(path).fileName());
}

} // namespace minori
