#include "dataset_model.h"

namespace store {

DatasetModel::DatasetModel(Dataset *set, QObject *parent) : QAbstractTableModel(parent), set_(set)
{
    connect(set_, &Dataset::reset, this, [this] {
        beginResetModel();
        rebuild();
        endResetModel();
    });
    connect(set_, &Dataset::rowChanged, this, [this](int row) {
        if (row >= 0 && row < rows_)
            emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    });
    connect(set_, &Dataset::currentChanged, this, &DatasetModel::currentRowChanged);
    rebuild();
}

void DatasetModel::setColumns(const QList<Column> &columns)
{
    beginResetModel();
    columns_ = columns;
    rebuild();
    endResetModel();
}

void DatasetModel::rebuild()
{
    fieldIndexes_.clear();
    rows_ = set_->isOpen() ? set_->recordCount() : 0;
    if (!set_->isOpen())
        return;
    if (columns_.isEmpty()) {
        for (int i = 0; i < set_->fieldCount(); ++i)
            fieldIndexes_ << i;
    } else {
        for (const Column &c : columns_) {
            Field *f = set_->findField(c.field);
            fieldIndexes_ << (f ? f->index() : -1);
        }
    }
}

int DatasetModel::fieldIndex(int column) const { return column < fieldIndexes_.size() ? fieldIndexes_.at(column) : -1; }

int DatasetModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : rows_; }

int DatasetModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return columns_.isEmpty() ? fieldIndexes_.size() : columns_.size();
}

QString DatasetModel::text(int row, int column) const
{
    const int fi = fieldIndex(column);
    if (fi < 0 || !set_->isOpen())
        return {};
    const QVariant v = set_->value(row, fi);
    if (v.isNull())
        return {};
    const ColType t = set_->field(fi).type();
    if (t == ColType::Date || t == ColType::DateTime) {
        QString s = v.toString();
        s.replace(u'-', u'/');
        return t == ColType::Date ? s.left(10) : s;
    }
    if (t == ColType::Logical)
        return v.toLongLong() ? QStringLiteral("True") : QStringLiteral("False");
    if (v.typeId() == QMetaType::Double)
        return QString::number(v.toDouble(), 'g', 15);
    return v.toString();
}

QVariant DatasetModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return text(index.row(), index.column());
    if (role == Qt::TextAlignmentRole) {
        if (!columns_.isEmpty() && index.column() < columns_.size())
            return QVariant::fromValue(columns_.at(index.column()).align);
        const int fi = fieldIndex(index.column());
        if (fi >= 0) {
            const ColType t = set_->field(fi).type();
            if (t == ColType::Integer || t == ColType::Money || t == ColType::SmallInt || t == ColType::Float)
                return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
        }
    }
    return {};
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (!columns_.isEmpty())
        return section < columns_.size() ? columns_.at(section).caption : QVariant();
    const int fi = fieldIndex(section);
    return fi >= 0 ? set_->field(fi).name() : QVariant();
}

} // namespace store
