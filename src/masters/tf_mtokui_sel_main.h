#pragma once
// TfMTokuiSelMain "顧客選択": the customers whose telephone search key equals that of the
// number the caller gives (TelNo). The user takes one, finds another through the customer
// search, or starts a new customer for the number or a copy of one found. Hands back
// ResultCode, empty when closed without choosing.
#include "app/common/data_grid.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace minori {

class TfMTokuiSelMain : public QDialog {
    Q_OBJECT
public:
    explicit TfMTokuiSelMain(QWidget *parent = nullptr);
    static TfMTokuiSelMain &instance();

    QString TelNo;
    QString ResultCode;

    // Sets TelNo, shows the screen modally and returns ResultCode.
    QString Run(const QString &telNo);

    void takeCurrent();      // "OK"
    void findCustomer();     // "検索"
    void newCustomer();      // "新規"
    void copyCustomer();     // "複写"

    store::Dataset &query() const { return *qryMTokui_; }
    DataGrid *grid() const { return grid_; }
    QLabel *telLabel() const { return tel_; }
    QLabel *notFoundLabel() const { return notFound_; }
    QPushButton *okButton() const { return ok_; }
    QPushButton *cancelButton() const { return cancel_; }
    QPushButton *findButton() const { return find_; }
    QPushButton *newButton() const { return new_; }
    QPushButton *copyButton() const { return copy_; }

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    void closeWith(const QString &code);
    store::Dataset *qryMTokui_;
    DataGrid *grid_;
    QLabel *tel_, *notFound_;
    QPushButton *ok_, *cancel_, *find_, *new_, *copy_;
};

} // namespace minori
