#include "data_grid.h"

#include "store/sjis.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace minori {

DataGrid::DataGrid(store::Dataset *set, QWidget *parent) : QTableView(parent), set_(set), model_(new store::DatasetModel(set, this))
{
    setModel(model_);
    setProperty("boundGrid", true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setVisible(false);
    horizontalHeader()->setHighlightSections(false);
    connect(model_, &store::DatasetModel::currentRowChanged, this, &DataGrid::syncFromSet);
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { syncFromSet(set_->recNo() - 1); });
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex &current) {
        if (syncing_ || !current.isValid() || !set_->isOpen())
            return;
        if (set_->recNo() - 1 != current.row())
            set_->setRecNo(current.row() + 1);
    });
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &i) { emit activatedRow(i.row()); });
}

void DataGrid::setColumns(const QList<store::DatasetModel::Column> &columns)
{
    model_->setColumns(columns);
    const int charWidth = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    for (int i = 0; i < columns.size(); ++i)
        if (columns.at(i).widthBytes > 0)
            setColumnWidth(i, columns.at(i).widthBytes * charWidth + 12);
    syncFromSet(set_->recNo() - 1);
}

void DataGrid::syncFromSet(int row)
{
    if (row < 0 || row >= model_->rowCount())
        return;
    syncing_ = true;
    const QModelIndex i = model_->index(row, qMax(0, currentIndex().column()));
    selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(i);
    syncing_ = false;
}

void DataGrid::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentIndex().isValid()) {
        emit activatedRow(currentIndex().row());
        return;
    }
    QTableView::keyPressEvent(event);
}

} // namespace minori
