#pragma once
// "プリンター用紙設計": the developer's editor of table printer, with the switches that put every
// layout into printing or design mode and turn the print dialog on or off.
#include "app/common/record_screen.h"

namespace minori {

class TfPrinterDesin : public RecordScreen {
    Q_OBJECT
public:
    explicit TfPrinterDesin(QWidget *parent = nullptr);

    void normalMode();      // "通常モード"
    void designMode();      // "設計モード"
    void dialogOff();       // "ダイアログ無"
    void dialogOn();        // "ダイアログ有"
    // "参照": the picture file's name without its folder into 設計画面画像名 of the row being edited.
    void choosePicture();
    void setPictureName(const QString &path);

protected:
    QString deleteQuestion() const override;
    QString duplicateMessage() const override { return QStringLiteral("同じ名称の用紙があります"); }
    void afterAppend() override;

private:
    void updateAll(const QString &sql, const QString &message);
};

} // namespace minori
