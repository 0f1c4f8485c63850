#include "app/views/PilotListModel.h"

#include <algorithm>

#include "app/pictures/ListIcons.h"

namespace korva {

PilotListModel::PilotListModel(KORVARaceDoc& race, const StandingsSource& standings,
                               QObject* parent)
    : ListRowsModel(parent, race, standings), columns_(rows_.columns()) {
    for (int i = 0; i < kPilotIconCount; ++i)
        icons_[static_cast<std::size_t>(i)] = pilotStatusIcon(i);
}

int PilotListModel::sortSection() const {
    const auto it = std::find(columns_.begin(), columns_.end(), rows_.sortColumn());
    return it == columns_.end() ? -1 : static_cast<int>(it - columns_.begin());
}

ColumnWidthKey PilotListModel::widthKey(int section) const {
    return PilotListRows::widthKey(column(section));
}

int PilotListModel::storedWidth(const SettingsStore& settings, int section) const {
    return PilotListRows::columnWidth(settings, column(section));
}

void PilotListModel::refillRows() {
    columns_ = rows_.columns();
    rows_.refill();
    keepNumbers();
}

void PilotListModel::setSortSection(int section) {
    rows_.setSortColumn(column(section));
    keepNumbers();
}

std::string PilotListModel::cell(int row, int section) const {
    return rows_.cellText(*recordAt(row), column(section));
}

std::string PilotListModel::title(int section) const {
    return rows_.columnTitle(column(section));
}

bool PilotListModel::numeric(int section) const {
    switch (column(section)) {
        case PilotColumn::Number:
        case PilotColumn::Points:
        case PilotColumn::LowTime:
        case PilotColumn::Chan:
        case PilotColumn::Lane: return true;
        default: return false;
    }
}

QPixmap PilotListModel::icon(int row) const {
    return icons_[static_cast<std::size_t>(rows_.statusIcon(*recordAt(row)))];
}

QString PilotListModel::iconTip(int row) const {
    return pilotStatusTip(rows_.statusIcon(*recordAt(row)));
}

}  // namespace korva
