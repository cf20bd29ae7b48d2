#pragma once
// A grid over a Dataset: its current row follows the set's and moving in the grid moves
// the set. Double-click and Enter are signalled for the screens that act on them.
#include "store/dataset_model.h"

#include <QTableView>

namespace minori {

class DataGrid : public QTableView {
    Q_OBJECT
public:
    explicit DataGrid(store::Dataset *set, QWidget *parent = nullptr);
    void setColumns(const QList<store::DatasetModel::Column> &columns);
    store::DatasetModel *datasetModel() const { return model_; }
    store::Dataset *dataset() const { return set_; }

signals:
    void activatedRow(int row);      // double-click or Enter on a row

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void syncFromSet(int row);
    store::Dataset *set_;
    store::DatasetModel *model_;
    bool syncing_ = false;
};

} // namespace minori
