#pragma once
// The finish order: the order of the pilot list sorted by points.

#include <cstdint>

#include "race/StandingsSource.h"

namespace korva {

class KORVARaceDoc;

struct FinishRules {
    bool fai = false;
    // Fly-off points decide between equal totals: ties go to fly-offs and the race is over.
    bool flyOffApplies = false;
};

FinishRules finishRules(const KORVARaceDoc& doc);

// What the finish order looks at for one pilot.
struct FinishKey {
    int bracket = -1;
    std::int32_t total = 0;
    std::int32_t flyOffPoints = -1;
    BestTime best;
};

// Negative when a comes first, positive when b does, 0 when the order cannot tell them apart.
// Points race: more points first. FAI race: the lower score first, no score (0) last.
int compareTotals(std::int32_t a, std::int32_t b, bool fai);
// A time before none, the smaller first, at equal times the one without a cut first.
int compareBestTimes(const BestTime& a, const BestTime& b);
// By bracket, total, fly-off points where they apply (points race: more first; FAI race:
// fewer first), then best time.
int compareFinishOrder(const FinishKey& a, const FinishKey& b, const FinishRules& rules);

}  // namespace korva
