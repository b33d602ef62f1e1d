#include "app/qt/linesmodel.h"

#include "app/qt/latin1.h"

void LinesModel::reload()
{
    beginResetModel();
    endResetModel();
}

int LinesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant LinesModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole || index.row() >= static_cast<int>(lines_.size()))
        return {};
    return fromLatin1(lines_[static_cast<std::size_t>(index.row())]);
}
