#include "views/HeatListRows.h"

#include <algorithm>
#include <cstdint>

#include "race/KORVARaceDoc.h"
#include "ui/Format.h"
#include "ui/Strings.h"
#include "views/HeatCardText.h"

namespace korva {

namespace {

constexpr std::size_t kMaxClassBlanks = 31;
constexpr int kApra9Class = 0;
constexpr int kChannelConflict = 70411;

}  // namespace

std::vector<HeatListColumn> heatListColumns(HeatListLayout layout) {
    const std::vector<ColumnWidthKey>& widths = heatColumnWidths(layout == HeatListLayout::Cards);
    std::vector<HeatListColumn> columns = {{"Round.Heat", widths.at(0)}, {"Heat", widths.at(1)}};
    for (std::size_t lane = 1; lane + 1 < widths.size(); ++lane)
        columns.push_back({"Lane " + std::to_string(lane), widths.at(lane + 1)});
    return columns;
}

std::string roundHeatText(int round, int heat, const std::string& className) {
    const std::string tail = round == 1 && heat == 1
                                 ? className
                                 : std::string(std::min(className.size(), kMaxClassBlanks), ' ');
    return cformat("%d.%d %s", round, heat, tail);
}

std::string heatSheetLaneText(const KORVAPilot& pilot) {
    const std::string name = pilot.shortName();
    if (pilot.classIndex == kApra9Class) {
        return pilot.category.empty()
                   ? cformat("%s(9) Ch%d", name, pilot.channel)
                   : cformat("%s(9) %sCh %d", name, pilot.category, pilot.channel);
    }
    return pilot.category.empty() ? cformat("%s Ch%d", name, pilot.channel)
                                  : cformat("%s %s Ch%d", name, pilot.category, pilot.channel);
}

std::string laneConflictText(const KORVARaceDoc& doc, const KORVAHeat& heat, std::size_t lane) {
    // A flown heat is history: only the heats still to come can be put right.
    if (heat.isComplete() || lane >= heat.lanePilot.size()) return {};
    const KORVAPilot* pilot = doc.pilotByNumber(heat.lanePilot[lane]);
    if (!pilot || pilot->channel < 0 || pilot->channel >= kPseudoChannel) return {};
    std::string others;
    for (std::size_t l = 0; l < heat.lanePilot.size(); ++l) {
        const KORVAPilot* other = l == lane ? nullptr : doc.pilotByNumber(heat.lanePilot[l]);
        if (!other || other->channel != pilot->channel) continue;
        others += (others.empty() ? "" : " and ") + other->shortName();
    }
    if (others.empty()) return {};
    return cformat(text(kChannelConflict), pilot->channel, others);
}

std::vector<HeatListRow> heatSheetRows(const KORVARaceDoc& doc, int bracketFilter) {
    return heatListRows(doc, bracketFilter, HeatListLayout::Sheets);
}

std::vector<HeatListRow> heatListRows(const KORVARaceDoc& doc, int bracketFilter,
                                      HeatListLayout layout) {
    const bool cards = layout == HeatListLayout::Cards;
    const bool fai = doc.faiClass != 0;
    std::vector<HeatListRow> rows;
    for (int b = 0; b < kBracketCount; ++b) {
        if (bracketFilter != -1 && bracketFilter != b) continue;
        const KORVAMatrix& m = doc.raceMatrix.matrix(b);
        const std::string className = doc.classNameOf(m.ClassCode);
        // Wide enough for any heat number a file may hold.
        std::int64_t earlierHeats = 0;
        for (std::size_t r = 0; r < m.rounds.size(); ++r) {
            const KORVARound& round = *m.rounds[r];
            for (std::size_t h = 0; h < round.heats.size(); ++h) {
                const KORVAHeat& heat = *round.heats[h];
                HeatListRow row;
                row.bracket = b;
                row.roundIndex = static_cast<int>(r);
                row.heatIndex = static_cast<int>(h);
                row.heat = &heat;
                row.roundHeat = roundHeatText(round.roundValue2, heat.heatNumber, className);
                row.absoluteHeat = std::to_string(heat.heatNumber + earlierHeats);
                for (std::size_t l = 0; l < row.lanes.size(); ++l) {
                    const KORVAPilot* p = doc.pilotByNumber(heat.lanePilot[l]);
                    if (!p) continue;
                    row.lanes[l] = cards ? heatCardLaneText(heat, l, p->shortName(), fai)
                                         : heatSheetLaneText(*p);
                    row.conflicts[l] = laneConflictText(doc, heat, l);
                }
                row.complete = heat.isComplete();
                rows.push_back(std::move(row));
            }
            earlierHeats += static_cast<std::int64_t>(round.heats.size());
        }
    }
    return rows;
}

}  // namespace korva
