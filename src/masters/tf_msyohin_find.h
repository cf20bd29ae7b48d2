#pragma once
// TfMSyohinFind "商品検索": picks a product, optionally within a product classification.
// Callers show it modally with exec() and read RsltHinban: the chosen 品番 after OK,
// empty after "閉じる". "分類を使う" is kept in system.商品検索分類使用.
#include "app/common/data_grid.h"
#include "store/dataset.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace minori {

class TfMSyohinFind : public QDialog {
    Q_OBJECT
public:
    explicit TfMSyohinFind(QWidget *parent = nullptr);
    // The one screen of the program, made on first use.
    static TfMSyohinFind &instance();

    QString RsltHinban;

    // Commands, public so that tests can drive the screen.
    void FormActivate();
    void applyUseClass();          // shows or hides the classification list after "分類を使う"
    void findTyped(const QString &text);
    void choose();                 // "OK": hands back the current product

    QCheckBox *useClassBox() const { return useClass_; }
    QLineEdit *findEdit() const { return findEdit_; }
    DataGrid *classGrid() const { return classGrid_; }
    DataGrid *productGrid() const { return productGrid_; }
    QPushButton *okButton() const { return ok_; }
    QPushButton *closeButton() const { return close_; }
    store::Dataset &classQuery() const { return *qryMSyoBun_; }
    store::Dataset &productQuery() const { return *qryMSyohin_; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void openProducts();

    store::Dataset *qrySystem_;
    store::Dataset *qryMSyoBun_;
    store::Dataset *qryMSyohin_;
    QCheckBox *useClass_;
    QLineEdit *findEdit_;
    QWidget *classPanel_;
    DataGrid *classGrid_;
    DataGrid *productGrid_;
    QPushButton *ok_;
    QPushButton *close_;
    bool activating_ = false;
};

} // namespace minori
