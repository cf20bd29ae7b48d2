#pragma once
// TfMTokuiFind "得意先検索": every customer in a grid, sorted by the column searched, with an
// incremental search on the customer code, the reading, the name or the telephone search
// key. Hands back ResultCode and ResultName (both empty when closed without choosing).
#include "app/common/data_grid.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace minori {

class TfMTokuiFind : public QDialog {
    Q_OBJECT
public:
    explicit TfMTokuiFind(QWidget *parent = nullptr);
    static TfMTokuiFind &instance();

    QString ResultCode;
    QString ResultName;

    // The value searched for in a column, from the text typed.
    static QString searchValue(const QString &column, const QString &typed);

    void applySearchColumn();   // reopen the list sorted by the chosen column
    void search();              // move to the first row beginning with the typed value
    void takeCurrent();         // "OK"
    void copyCurrent();         // "複写"

    store::Dataset &query() const { return *qryMTokui_; }
    QComboBox *columnBox() const { return column_; }
    QLineEdit *searchEdit() const { return text_; }
    DataGrid *grid() const { return grid_; }
    QPushButton *okButton() const { return ok_; }
    QPushButton *closeButton() const { return close_; }
    QPushButton *copyButton() const { return copy_; }
    QPushButton *findButton() const { return find_; }
    QString sortColumn() const { return sortColumn_; }

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyImeMode();
    store::Dataset *qryMTokui_;
    QComboBox *column_;
    QLineEdit *text_;
    DataGrid *grid_;
    QPushButton *find_, *ok_, *close_, *copy_;
    QToolButton *nav_[4];
    QString sortColumn_;
};

} // namespace minori
