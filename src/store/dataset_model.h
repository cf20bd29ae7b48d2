#pragma once
// Qt item model over a Dataset, for grids. Columns are chosen by field name with a caption;
// the model follows the set (reset, current row, changed rows) and shows a row being edited.
#include "dataset.h"

#include <QAbstractTableModel>

namespace store {

class DatasetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Column {
        QString field;
        QString caption;
        int widthBytes = 0;      // display width hint in code page 932 bytes, 0 for automatic
        Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
    };

    explicit DatasetModel(Dataset *set, QObject *parent = nullptr);
    // Without columns, every field of the set is shown under its own name.
    void setColumns(const QList<Column> &columns);
    const QList<Column> &columns() const { return columns_; }
    Dataset *dataset() const { return set_; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // Display text of a cell, as the grid shows it.
    QString text(int row, int column) const;

signals:
    void currentRowChanged(int row);

private:
    int fieldIndex(int column) const;
    void rebuild();
    Dataset *set_;
    QList<Column> columns_;
    QVector<int> fieldIndexes_;
    int rows_ = 0;
};

} // namespace store
