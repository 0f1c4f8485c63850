#include "app/views/HeatSheetModel.h"

#include <QApplication>
#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPalette>

#include "app/QtText.h"
#include "app/pictures/HeatIcons.h"

namespace korva {

namespace {
constexpr int kRoundHeatColumn = 0;
constexpr int kHeatColumn = 1;
constexpr int kFirstLaneColumn = 2;
const QColor kConflictRed(190, 0, 0);
const QColor kConflictShade(255, 222, 222);  // red text alone is lost in sunlight

// The conflict of the lane a column shows; empty outside the lane columns.
const std::string& conflictOf(const HeatListRow& row, int column) {
    static const std::string none;
    const auto lane = static_cast<std::size_t>(column - kFirstLaneColumn);
    return column >= kFirstLaneColumn && lane < row.conflicts.size() ? row.conflicts[lane] : none;
}
}  // namespace

HeatSheetModel::HeatSheetModel(QObject* parent)
    : QAbstractTableModel(parent), complete_(completeHeatIcon()) {}

void HeatSheetModel::setColumns(std::vector<HeatListColumn> columns) {
    beginResetModel();
    columns_ = std::move(columns);
    endResetModel();
}

void HeatSheetModel::setRows(std::vector<HeatListRow> rows) {
    // Rows go and come without a reset, which would cost the view its column widths.
    if (!rows_.empty()) {
        beginRemoveRows({}, 0, static_cast<int>(rows_.size()) - 1);
        rows_.clear();
        endRemoveRows();
    }
    if (rows.empty()) return;
    beginInsertRows({}, 0, static_cast<int>(rows.size()) - 1);
    rows_ = std::move(rows);
    endInsertRows();
}

const HeatListRow* HeatSheetModel::row(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= rows_.size()) return nullptr;
    return &rows_[static_cast<std::size_t>(index)];
}

int HeatSheetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int HeatSheetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QString HeatSheetModel::text(const HeatListRow& row, int column) const {
    switch (column) {
        case kRoundHeatColumn: return toQt(row.roundHeat);
        case kHeatColumn: return toQt(row.absoluteHeat);
        default: {
            const auto lane = static_cast<std::size_t>(column - kFirstLaneColumn);
            return lane < row.lanes.size() ? toQt(row.lanes[lane]) : QString();
        }
    }
}

QVariant HeatSheetModel::data(const QModelIndex& index, int role) const {
    const HeatListRow* r = index.isValid() ? row(index.row()) : nullptr;
    if (!r) return {};
    const int column = index.column();
    switch (role) {
        case Qt::DisplayRole: return text(*r, column);
        case Qt::DecorationRole:
            return column == kRoundHeatColumn && r->complete ? QVariant(complete_) : QVariant();
        case Qt::ToolTipRole:
            if (!conflictOf(*r, column).empty()) return toQt(conflictOf(*r, column));
            return column == kRoundHeatColumn && r->complete ? tr("Results entered") : QVariant();
        case Qt::ForegroundRole:
            return conflictOf(*r, column).empty() ? QVariant() : QVariant(kConflictRed);
        case Qt::TextAlignmentRole:
            return column == kHeatColumn ? QVariant(Qt::AlignCenter)
                                         : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        case Qt::BackgroundRole: {
            if (!conflictOf(*r, column).empty()) return QBrush(kConflictShade);
            // Every other round is shaded, so a round's heats read as one block.
            const QPalette palette = QApplication::palette();
            return r->roundIndex % 2 ? palette.alternateBase() : palette.base();
        }
        case Qt::FontRole: {
            if (r->heatIndex != 0 || column != kRoundHeatColumn) return {};
            QFont font = QApplication::font();
            font.setBold(true);  // where each round begins
            return font;
        }
        default: return {};
    }
}

QVariant HeatSheetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        static_cast<std::size_t>(section) >= columns_.size()) {
        return {};
    }
    return toQt(columns_[static_cast<std::size_t>(section)].title);
}

}  // namespace korva
