#include "matrix/LaneScatter.h"

#include "matrix/ByeAlignment.h"
#include "matrix/MatrixTrace.h"
#include "matrix/RoundPlanner.h"
#include "race/KORVAMatrix.h"
#include "race/KORVAPilot.h"

namespace korva {

namespace {

constexpr int kExtraRounds = 3;

// Spread byes are tried when two or more lanes have exactly one free slot each, and the
// spread lists fit the round (they may not when their attempt overflowed more).
bool worthSpreading(const ScatterRequest& rq) {
    if (!rq.rematrix || rq.lanes < 3) return false;
    int sum = 0;
    for (int l = 0; l < rq.lanes; ++l) {
        const int slack = rq.spreadSlack[static_cast<std::size_t>(l)];
        if (slack > 1) return false;
        if (rq.spread[static_cast<std::size_t>(l)].size() >
            static_cast<std::size_t>(rq.heatsPerRound)) {
            return false;
        }
        sum += slack;
    }
    return sum >= 2;
}

std::int32_t pilotAt(const LaneList& list, int position) {
    if (position < 0 || static_cast<std::size_t>(position) >= list.size()) return 0;
    const KORVAPilot* p = list[static_cast<std::size_t>(position)];
    return p ? p->pilotNumber : 0;
}

}  // namespace

void writeRounds(KORVAMatrix& matrix, const HeatOrderPlan& plan, const LaneLists& lists,
                 int roundQuan, Timestamp now) {
    for (int t = plan.firstIndex; t < roundQuan && plan.storedAt(t); ++t) {
        while (static_cast<int>(matrix.rounds.size()) <= t) {
            matrix.appendRound(std::make_unique<KORVARound>());
        }
        KORVARound& round = *matrix.rounds[static_cast<std::size_t>(t)];
        if (round.anyComplete()) continue;
        round.clearAllHeats(now);
        round.roundValue5 = plan.lanes;
        round.roundValue3 = now;
        const HeatOrder& order = plan.orders[static_cast<std::size_t>(t)];
        for (int h = 0; h < plan.heats; ++h) {
            KORVAHeat* heat = round.heatAt(h);
            if (!heat) heat = &round.addHeat(std::make_unique<KORVAHeat>(now), now);
            for (int l = 0; l < plan.lanes; ++l) {
                const int position =
                    order[static_cast<std::size_t>(l)][static_cast<std::size_t>(h)];
                heat->lanePilot[static_cast<std::size_t>(l)] =
                    pilotAt(lists[static_cast<std::size_t>(l)], position);
            }
        }
    }
    for (std::size_t t = static_cast<std::size_t>(std::max(roundQuan, 0)); t < matrix.rounds.size();
         ++t) {
        KORVARound& round = *matrix.rounds[t];
        if (!round.anyComplete()) round.clearAllHeats(now);
    }
}

bool ScatterPilotsInSameLanes(const ScatterTarget& target, ScatterRequest rq) {
    target.trace.line("ScatterPilotsInSameLanes()");
    PlanRequest planRequest;
    planRequest.lanes = rq.lanes;
    planRequest.heats = rq.heatsPerRound;
    planRequest.roundQuan = target.roundQuan;
    planRequest.beginRound = target.beginRound;
    planRequest.extraRounds = worthSpreading(rq) ? kExtraRounds : 0;
    planRequest.scorer = rq.scorer;
    planRequest.tick = rq.tick;
    HeatOrderPlan plan = planHeatOrders(planRequest, target.trace);

    ByeLists chosen = ByeLists::Grouped;
    if (planRequest.extraRounds > 0) {
        chosen =
            alignByes(plan, rq.spread, rq.spreadSlack, target.roundQuan, target.ui, target.trace);
    }
    writeRounds(target.matrix, plan, chosen == ByeLists::Spread ? rq.spread : rq.grouped,
                target.roundQuan, target.now);
    return true;
}

}  // namespace korva
