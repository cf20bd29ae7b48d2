#pragma once
// TfMasterMSyohin "商品マスター": the products (`msyohin`), listed by 品番 or by
// classification. The classification code is checked against `msyobun` when it is left and
// can be picked from the classification list through its drop-down.
#include "app/common/record_screen.h"

class QComboBox;
class QLineEdit;

namespace minori {

class DropDownBox;

class TfMasterMSyohin : public RecordScreen {
    Q_OBJECT
public:
    explicit TfMasterMSyohin(QWidget *parent = nullptr);

    static QString sqlByNumber();   // "品番順"
    static QString sqlByClass();    // "分類CODE順"

    QComboBox *orderBox() const { return order_; }
    DropDownBox *classBox() const { return classCode_; }
    QLineEdit *classNameEdit() const { return className_; }
    QComboBox *labelBox() const { return label_; }

    void doFind() override;
    bool doPost() override;
    // The classification drop-down: the picker over msyobun.
    void pickClass();
    // Leaving the classification box: looks the code up unless it is the remembered one.
    void classBoxLeft();

protected:
    void openList() override;
    void afterAppend() override;
    QString duplicateMessage() const override { return QStringLiteral("品番が重複していないか確認してください"); }
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void classBoxEntered();

    QComboBox *order_;
    QComboBox *label_;
    DropDownBox *classCode_;
    QLineEdit *className_;
    store::Dataset *qryMSyoBun_;
    QString rememberedClass_;
    bool inClassBox_ = false;
    bool returningToClassBox_ = false;
    bool posting_ = false;
};

} // namespace minori
