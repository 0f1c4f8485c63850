#pragma once
// The pilot list without its window: which pilots show, in which order, with which texts,
// icons, columns and widths.

#include <cstdint>
#include <string>
#include <vector>

#include "race/StandingsSource.h"
#include "scoring/FinishOrder.h"
#include "session/ColumnWidths.h"

namespace korva {

class KORVAPilot;
class KORVARaceDoc;
class SettingsStore;

enum class PilotColumn { Name, Number, Class, Points, LowTime, Chan, Lane, Korva };

// Status icons, first match wins; the plain row has icon 0.
enum PilotIcon : int {
    kIconPlain = 0,
    kIconUnpaid = 1,
    kIconNoWaiver = 2,
    kIconDisqualified = 3,
    kIconInactive = 4,
    kIconChannelInRace = 5,
    kIconChannelInBracket = 6,
    kIconNoPrimaryPlane = 7,
    kIconNotSafetyChecked = 8,
    kPilotIconCount = 9,
};

class PilotListRows {
public:
    PilotListRows(KORVARaceDoc& doc, const StandingsSource& standings);

    // Takes the pilots to show from the race and sorts them.
    void refill();
    // Sorts the rows again by the current values.
    void sort();
    void setSortColumn(PilotColumn column);
    PilotColumn sortColumn() const { return sortColumn_; }
    // -1 for every bracket; the race keeps it for the other windows. Refills.
    void setFilter(int bracket);
    int filter() const { return filter_; }

    const std::vector<const KORVAPilot*>& rows() const { return rows_; }
    const StandingsSource& standings() const { return standings_; }

    // The columns this race shows, in order.
    std::vector<PilotColumn> columns() const;
    std::string columnTitle(PilotColumn column) const;
    static ColumnWidthKey widthKey(PilotColumn column);
    static int columnWidth(const SettingsStore& settings, PilotColumn column);

    std::string cellText(const KORVAPilot& pilot, PilotColumn column) const;
    int statusIcon(const KORVAPilot& pilot) const;
    // "Pilots - " and the race title.
    std::string title() const;

private:
    struct SortKey;
    bool shows(const KORVAPilot& pilot) const;
    bool fai() const;
    std::string pointsText(const KORVAPilot& pilot) const;
    std::string lowTimeText(const KORVAPilot& pilot) const;
    std::string laneText(const KORVAPilot& pilot) const;
    SortKey keyOf(const KORVAPilot& pilot) const;
    bool before(const SortKey& a, const SortKey& b) const;

    KORVARaceDoc& doc_;
    const StandingsSource& standings_;
    std::vector<const KORVAPilot*> rows_;
    PilotColumn sortColumn_ = PilotColumn::Points;
    int filter_ = -1;
    FinishRules rules_;  // taken at every refill and sort
};

// Context-menu states. Add Plane: the selected pilot has room for another plane.
bool canAddPlane(const KORVARaceDoc& doc);
// Print Heat Details: the list has rows and some round has all its heats complete.
bool canPrintHeatDetails(const KORVARaceDoc& doc, const PilotListRows& list);

}  // namespace korva
