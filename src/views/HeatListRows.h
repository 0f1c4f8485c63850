#pragma once
// The rows of the heat list window: one row per heat of every matrixed bracket, in either
// layout: who flies in which lane (heat sheets) or the entered results (heat cards).

#include <array>
#include <string>
#include <vector>

#include "session/ColumnWidths.h"

namespace korva {

class KORVAHeat;
class KORVAPilot;
class KORVARaceDoc;

enum class HeatListLayout { Sheets = 0, Cards = 1 };

struct HeatListColumn {
    std::string title;
    ColumnWidthKey width;  // stored in "Views", one key per layout
};

std::vector<HeatListColumn> heatListColumns(HeatListLayout layout);

struct HeatListRow {
    int bracket = 0;
    int roundIndex = 0;
    int heatIndex = 0;
    const KORVAHeat* heat = nullptr;
    std::string roundHeat;     // "Round.Heat"
    std::string absoluteHeat;  // "Heat": numbered through the whole bracket
    std::array<std::string, 4> lanes;
    // Why a lane is marked: its pilot shares a real channel with another of the heat (after
    // a channel change). Empty for a lane without conflict.
    std::array<std::string, 4> conflicts;
    bool complete = false;
};

// Rows in matrix order, for every bracket (filter -1) or one bracket.
std::vector<HeatListRow> heatListRows(const KORVARaceDoc& doc, int bracketFilter,
                                      HeatListLayout layout);
std::vector<HeatListRow> heatSheetRows(const KORVARaceDoc& doc, int bracketFilter);

// "1.1 APRA" on the first heat of a bracket, blanks as wide as the class name elsewhere.
std::string roundHeatText(int round, int heat, const std::string& className);

// Who flies in a lane: short name, category and channel.
std::string heatSheetLaneText(const KORVAPilot& pilot);

// The conflict of a lane of a heat still to be flown: the others of the heat on the lane
// pilot's channel (below the pseudo channels), named in a sentence; empty when none.
std::string laneConflictText(const KORVARaceDoc& doc, const KORVAHeat& heat, std::size_t lane);

}  // namespace korva
