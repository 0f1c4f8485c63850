#include "scoring/FinishOrder.h"

#include "race/KORVARaceDoc.h"
#include "scoring/StandingsScores.h"

namespace korva {

namespace {

template <typename T>
int threeWay(const T& a, const T& b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

}  // namespace

FinishRules finishRules(const KORVARaceDoc& doc) {
    FinishRules rules;
    rules.fai = doc.faiClass != 0;
    rules.flyOffApplies =
        doc.resolveTiesByFlyOff != 0 && (doc.raceFinished != 0 || allRoundsComplete(doc));
    return rules;
}

int compareTotals(std::int32_t a, std::int32_t b, bool fai) {
    if (!fai) return threeWay(b, a);
    if ((a == 0) != (b == 0)) return a == 0 ? 1 : -1;
    return threeWay(a, b);
}

int compareBestTimes(const BestTime& a, const BestTime& b) {
    if ((a.total == 0) != (b.total == 0)) return a.total == 0 ? 1 : -1;
    if (a.total != b.total) return threeWay(a.total, b.total);
    return threeWay(a.cut, b.cut);
}

int compareFinishOrder(const FinishKey& a, const FinishKey& b, const FinishRules& rules) {
    if (a.bracket != b.bracket) return threeWay(a.bracket, b.bracket);
    if (const int c = compareTotals(a.total, b.total, rules.fai); c != 0) return c;
    if (rules.flyOffApplies && a.flyOffPoints != -1 && b.flyOffPoints != -1 &&
        a.flyOffPoints != b.flyOffPoints) {
        return rules.fai ? threeWay(a.flyOffPoints, b.flyOffPoints)
                         : threeWay(b.flyOffPoints, a.flyOffPoints);
    }
    return compareBestTimes(a.best, b.best);
}

}  // namespace korva
