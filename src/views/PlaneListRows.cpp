#include "views/PlaneListRows.h"

#include <algorithm>
#include <tuple>

#include "race/KORVARaceDoc.h"
#include "ui/Format.h"
#include "views/ListText.h"

namespace korva {

namespace {

constexpr int kAfterEveryClass = 5;  // backup planes sort after every primary one

constexpr const char* kTitles[] = {"Name", "#", "Class", "Color", "Description", "Engine"};

struct SortKey {
    const KORVAPlane* plane;
    std::string first;
    std::string second;
    int number = 0;
};

}  // namespace

PlaneListRows::PlaneListRows(const KORVARaceDoc& doc) : doc_(doc), filter_(doc.bracketFilter) {}

const KORVAPilot* PlaneListRows::owner(const KORVAPlane& plane) const {
    return doc_.pilotByNumber(plane.pilotNumber);
}

bool PlaneListRows::shows(const KORVAPlane& plane) const {
    const KORVAPilot* pilot = owner(plane);
    if (!pilot || !doc_.bracketUsed(pilot->bracket)) return false;
    if (uncheckedOnly_ && plane.safetyChecked) return false;
    return filter_ == -1 || (!plane.backup && pilot->bracket == filter_);
}

void PlaneListRows::refill() {
    rows_.clear();
    for (const auto& plane : doc_.planes) {
        if (shows(*plane)) rows_.push_back(plane.get());
    }
    sort();
}

void PlaneListRows::setSortColumn(PlaneColumn column) {
    sortColumn_ = column;
    sort();
}

void PlaneListRows::setFilter(int bracket) {
    filter_ = bracket;
    refill();
}

void PlaneListRows::setUncheckedOnly(bool only) {
    uncheckedOnly_ = only;
    refill();
}

void PlaneListRows::sort() {
    if (!sortColumn_) return;
    std::vector<SortKey> keys;
    keys.reserve(rows_.size());
    for (const KORVAPlane* plane : rows_) {
        static const KORVAPilot kNobody;
        const KORVAPilot* found = owner(*plane);
        const KORVAPilot& pilot = found ? *found : kNobody;
        SortKey k{plane, {}, {}, 0};
        switch (*sortColumn_) {
            case PlaneColumn::Name: k.first = nameSortKey(pilot); break;
            case PlaneColumn::Number: k.number = plane->pilotNumber; break;
            case PlaneColumn::Class:
                k.number = plane->backup ? kAfterEveryClass : pilot.classIndex;
                break;
            case PlaneColumn::Color: k.first = lowerCased(plane->mainColor); break;
            case PlaneColumn::Description:
                k.first = lowerCased(plane->type);
                k.second = lowerCased(plane->mainColor);
                break;
            case PlaneColumn::Engine: k.first = lowerCased(plane->engine); break;
        }
        keys.push_back(std::move(k));
    }
    std::stable_sort(keys.begin(), keys.end(), [](const SortKey& a, const SortKey& b) {
        return std::tie(a.number, a.first, a.second) < std::tie(b.number, b.first, b.second);
    });
    for (std::size_t i = 0; i < keys.size(); ++i) rows_[i] = keys[i].plane;
}

std::string PlaneListRows::columnTitle(PlaneColumn column) {
    return kTitles[static_cast<std::size_t>(column)];
}

ColumnWidthKey PlaneListRows::widthKey(PlaneColumn column) {
    return planeColumnWidths()[static_cast<std::size_t>(column)];
}

// Plane list widths are taken as stored.
int PlaneListRows::columnWidth(const SettingsStore& settings, PlaneColumn column) {
    return readColumnWidth(settings, widthKey(column));
}

std::string PlaneListRows::cellText(const KORVAPlane& plane, PlaneColumn column) const {
    const KORVAPilot* pilot = owner(plane);
    switch (column) {
        case PlaneColumn::Name: return pilot ? listName(*pilot) : std::string();
        case PlaneColumn::Number: return cformat("%d", plane.pilotNumber);
        case PlaneColumn::Class:
            return plane.backup || !pilot ? " " : doc_.classNameOf(pilot->classIndex);
        case PlaneColumn::Color: return plane.mainColor;
        case PlaneColumn::Description: return plane.type;
        case PlaneColumn::Engine: return plane.engine;
    }
    return {};
}

int PlaneListRows::icon(const KORVAPlane& plane) {
    if (!plane.safetyChecked) return kIconNotChecked;
    return plane.backup ? kIconCheckedBackup : kIconCheckedPrimary;
}

std::string PlaneListRows::title() const {
    return "Planes - " + doc_.raceTitle;
}

}  // namespace korva
