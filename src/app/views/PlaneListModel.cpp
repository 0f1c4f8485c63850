#include "app/views/PlaneListModel.h"

#include "app/pictures/ListIcons.h"

namespace korva {

namespace {
PlaneColumn columnOf(int section) {
    return static_cast<PlaneColumn>(section);
}
}  // namespace

PlaneListModel::PlaneListModel(const KORVARaceDoc& race, QObject* parent)
    : ListRowsModel(parent, race) {
    for (int i = 0; i < kPlaneIconCount; ++i)
        icons_[static_cast<std::size_t>(i)] = planeListIcon(i);
}

void PlaneListModel::setUncheckedOnly(bool only) {
    beginResetModel();
    rows_.setUncheckedOnly(only);
    keepNumbers();
    endResetModel();
}

int PlaneListModel::sortSection() const {
    return rows_.sortColumn() ? static_cast<int>(*rows_.sortColumn()) : -1;
}

ColumnWidthKey PlaneListModel::widthKey(int section) const {
    return PlaneListRows::widthKey(columnOf(section));
}

int PlaneListModel::storedWidth(const SettingsStore& settings, int section) const {
    return PlaneListRows::columnWidth(settings, columnOf(section));
}

void PlaneListModel::setSortSection(int section) {
    rows_.setSortColumn(columnOf(section));
    keepNumbers();
}

std::string PlaneListModel::cell(int row, int section) const {
    return rows_.cellText(*recordAt(row), columnOf(section));
}

std::string PlaneListModel::title(int section) const {
    return PlaneListRows::columnTitle(columnOf(section));
}

bool PlaneListModel::numeric(int section) const {
    return columnOf(section) == PlaneColumn::Number;
}

QPixmap PlaneListModel::icon(int row) const {
    return icons_[static_cast<std::size_t>(PlaneListRows::icon(*recordAt(row)))];
}

QString PlaneListModel::iconTip(int row) const {
    return planeIconTip(PlaneListRows::icon(*recordAt(row)));
}

}  // namespace korva
