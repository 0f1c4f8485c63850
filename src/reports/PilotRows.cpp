#include "reports/PilotRows.h"

#include "race/KORVARaceDoc.h"
#include "scoring/Standings.h"

namespace korva {

PilotRows::PilotRows(const PilotListRows& window) : list_(&window) {}

PilotRows::PilotRows(KORVARaceDoc& doc, PilotColumn sort)
    : standings_(std::make_unique<RaceStandings>(doc)) {
    standings_->update();
    own_ = std::make_unique<PilotListRows>(doc, *standings_);
    // The filter is the windows' shared one; these rows must not move the windows.
    const int windowsFilter = doc.bracketFilter;
    own_->setFilter(-1);
    doc.bracketFilter = windowsFilter;
    own_->setSortColumn(sort);
    list_ = own_.get();
}

PilotRows::~PilotRows() = default;

std::vector<const KORVAPilot*> PilotRows::of(int classes) const {
    std::vector<const KORVAPilot*> pilots;
    for (const KORVAPilot* p : list_->rows()) {
        if (p->bracket >= 0 && p->bracket < kBracketCount && (classes & (1 << p->bracket)) != 0) {
            pilots.push_back(p);
        }
    }
    return pilots;
}

}  // namespace korva
