#pragma once
// The record picker: one modal window of the program that shows the rows of a caller's
// query in a grid and lets the user choose one. The picker owns no data: the caller hands
// over its own query and an SQL text; after OK the caller reads the chosen row from that
// same query, which still stands on it. The picker never closes the caller's query.
#include "data_grid.h"
#include "ime_mode.h"

#include <QDialog>
#include <QPointer>
#include <QVariantList>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace minori {

class TfList : public QDialog {
    Q_OBJECT
public:
    enum ModalResult { OK = 1, Cancel = 2 };

    explicit TfList(QWidget *parent = nullptr);

    // The one picker of the program.
    static TfList &instance();

    // Plain list: caption, find field hidden, query opened with sql on its first row.
    void PrepareList(store::Dataset &query, const QString &sql, const QString &caption, const QVariantList &params = {});
    // List with incremental find on findColumn, standing on the first row that begins with
    // startValue (the first row when it is empty or no row begins with it).
    void PrepareFindList(store::Dataset &query, const QString &sql, const QString &caption, const QString &startValue,
                         const QString &findColumn, const QVariantList &params = {});
    // Input method of the find field (half-width katakana for the reading histories).
    // Each prepare sets it back to the default.
    void setFindImeMode(ImeMode mode);

    // Shows the window modally: OK when the user chose a row, Cancel otherwise.
    int ShowModal();

    QLineEdit *findEdit() const { return findEdit_; }
    QLabel *findLabel() const { return findLabel_; }
    DataGrid *grid() const { return grid_; }
    QPushButton *okButton() const { return okButton_; }
    QPushButton *closeButton() const { return closeButton_; }
    QToolButton *navButton(int i) const { return nav_[i]; }    // 0 first, 1 previous, 2 next, 3 last
    store::Dataset *query() const { return query_; }
    const QString &findColumn() const { return findColumn_; }

signals:
    void opened();       // each time the window is shown

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void prepare(store::Dataset &query, const QString &sql, const QString &caption, const QVariantList &params,
                 bool withFind);
    void findTyped(const QString &text);

    QLabel *findLabel_;
    QLineEdit *findEdit_;
    QToolButton *nav_[4];
    QPushButton *okButton_;
    QPushButton *closeButton_;
    QPointer<DataGrid> grid_;
    store::Dataset *query_ = nullptr;
    QString findColumn_;
    bool settingFind_ = false;
};

} // namespace minori
