#include "app/qt/seasonmodel.h"

#include "app/form/form.h"
#include "app/qt/latin1.h"

void SeasonModel::reload()
{
    beginResetModel();
    endResetModel();
}

int SeasonModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(session_.games().size());
}

int SeasonModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rota::form::seasonListColumns().size());
}

QVariant SeasonModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const rota::GameRow& row = session_.games()[static_cast<std::size_t>(index.row())];
    switch (index.column()) {
    case 0:
        return fromLatin1(row.date);
    case 1:
        return fromLatin1(row.vis);
    case 2:
        return fromLatin1(row.home);
    case 3:
        return fromLatin1(row.dh);
    default:
        return {};
    }
}

QVariant SeasonModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    const auto columns = rota::form::seasonListColumns();
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= static_cast<int>(columns.size()))
        return {};
    return fromLatin1(columns[static_cast<std::size_t>(section)].caption);
}

Qt::ItemFlags SeasonModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == 0)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool SeasonModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.column() != 0 || role != Qt::EditRole)
        return false;
    const int from = index.row();
    emit layoutAboutToBeChanged();
    const int to =
        static_cast<int>(session_.changeGameDate(static_cast<std::size_t>(from), toLatin1(value.toString())));
    // Rows between the old and the new place shift by one towards the old.
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    for (const QModelIndex& p : before) {
        int row = p.row();
        if (row == from)
            row = to;
        else if (from < to && row > from && row <= to)
            --row;
        else if (to < from && row >= to && row < from)
            ++row;
        after.append(createIndex(row, p.column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged();
    return true;
}
