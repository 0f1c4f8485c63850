#include "app/views/RaceListModel.h"

#include "app/QtText.h"

namespace korva {

int RaceListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows();
}

int RaceListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : sections();
}

QVariant RaceListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows() || index.column() >= sections()) return {};
    const bool first = index.column() == 0;
    switch (role) {
        case Qt::DisplayRole: return toQt(cell(index.row(), index.column()));
        case Qt::DecorationRole: return first ? QVariant(icon(index.row())) : QVariant();
        case Qt::ToolTipRole:
            // The whole name, however narrow the column, above what the icon means.
            return first ? QVariant(toQt(cell(index.row(), 0)) + QLatin1Char('\n') +
                                    iconTip(index.row()))
                         : QVariant();
        case Qt::TextAlignmentRole:
            return numeric(index.column()) ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                           : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        default: return {};
    }
}

QVariant RaceListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= sections()) return {};
    if (role == Qt::DisplayRole) return toQt(title(section));
    if (role == Qt::TextAlignmentRole && numeric(section)) {
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

void RaceListModel::reload(bool refill) {
    beginResetModel();
    refill ? refillRows() : sortRows();
    endResetModel();
}

void RaceListModel::sortBySection(int section) {
    if (section < 0 || section >= sections()) return;
    beginResetModel();
    setSortSection(section);
    endResetModel();
}

void RaceListModel::setFilter(int bracket) {
    beginResetModel();
    filterRows(bracket);
    endResetModel();
}

int RaceListModel::rowOf(std::int32_t number) const {
    for (int row = 0; row < rows(); ++row) {
        if (numberAt(row) == number) return row;
    }
    return -1;
}

}  // namespace korva
