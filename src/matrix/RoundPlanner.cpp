#include "matrix/RoundPlanner.h"

#include <algorithm>

#include "matrix/HeatOrderTables.h"
#include "matrix/MatrixTrace.h"
#include "matrix/PairingStats.h"
#include "ui/Format.h"

namespace korva {

namespace {

constexpr double kNoScore = 1e20;

struct SearchResult {
    HeatOrder order;
    double score = kNoScore;
    int rolls = 0;
};

// Tries every combination of rolls of lanes 3 and 4 (lane 3 alone with three lanes),
// ending where it began; the first order with the lowest score wins.
SearchResult searchOrder(HeatOrder order, int lanes, int heats, int round, TrialScorer& scorer) {
    const int trials = heats < 2 || lanes <= 2 ? 0 : lanes == 3 ? heats : heats * heats;
    SearchResult best{order, kNoScore, 0};
    int r3 = 0, r4 = 0;
    for (int i = 0; i < trials; ++i) {
        if (lanes == 3) {
            rollLane(order, 2);
            r3 = (r3 + 1) % heats;
        } else {
            rollLane(order, 3);
            if (++r4 == heats) {
                rollLane(order, 2);
                r4 = 0;
                r3 = (r3 + 1) % heats;
            }
        }
        const int rolls = std::max({r3, r4, 1});
        const auto score = static_cast<double>(scorer.score(order, round, rolls));
        if (score < best.score) best = {order, score, rolls};
    }
    return best;
}

}  // namespace

void traceHeatOrder(MatrixTrace& trace, const HeatOrder& order, int lanes, int heats) {
    for (int h = 0; h < heats; ++h) {
        std::string line = "  - ";
        for (int l = 0; l < lanes; ++l) {
            line +=
                cformat("[%02d]", order[static_cast<std::size_t>(l)][static_cast<std::size_t>(h)]);
        }
        trace.line(line);
    }
}

HeatOrderPlan planHeatOrders(const PlanRequest& rq, MatrixTrace& trace) {
    const int L = std::clamp(rq.lanes, 1, kMaxLanes);
    const int H = std::max(rq.heats, 1);
    const int end = rq.roundQuan + rq.extraRounds;
    HeatOrderPlan plan;
    plan.lanes = L;
    plan.heats = H;
    plan.firstIndex = std::max(rq.beginRound, 1) - 1;
    plan.endIndex = std::max(end, plan.firstIndex);
    const auto size = static_cast<std::size_t>(plan.endIndex);
    plan.orders.resize(size);
    plan.maxPairCount.resize(size, 0);
    plan.zeroPairings.resize(size, 0);
    plan.bestScore.resize(size, 0);
    plan.snapshots.resize(size);

    PairingStats stats(L, H);
    const std::unique_ptr<TrialScorer> scorer =
        rq.scorer ? rq.scorer(stats) : makeIncrementalScorer(stats);
    HeatOrder order = identityOrder(L, H);
    double bestScore = 0;
    int bestRolls = 0;
    int t = plan.firstIndex;
    for (int u = 1; t < end; ++u) {
        tickProgress(rq.tick);
        if (H >= 2 && u >= 2) {
            const auto rolls = L == 4 ? tableRolls(H, u) : std::nullopt;
            if (H == 4) {
                order = fourHeatOrder(L, u);
            } else if (rolls) {
                rollLane(order, 1);
                rollLane(order, 2, rolls->first);
                rollLane(order, 3, rolls->second);
                trace.value("Pre-built matrix used for nHeats_per_round=", H);
            } else if (L >= 2) {
                rollLane(order, 1);
                if (L >= 3) {
                    SearchResult best = searchOrder(order, L, H, u, *scorer);
                    order = std::move(best.order);
                    bestScore = best.score;
                    bestRolls = best.rolls;
                }
            }
        }
        const RoundPairing pairing = stats.commit(order, u);
        scorer->committed(order, u);
        const auto at = static_cast<std::size_t>(t);
        plan.maxPairCount[at] = stats.maxPairCount();
        plan.zeroPairings[at] = stats.zeroPairings();
        plan.bestScore[at] = bestScore;
        plan.snapshots[at] = stats.positionZeroSnapshot();

        if (t == rq.roundQuan)
            trace.line("Three extra rounds matrixed to look for spread bye possibilities");
        trace.value("Round Completed=", t + 1);
        trace.value("PairDelt=", pairing.pairDelt);
        trace.value("MaxPairCount=", stats.maxPairCount());
        trace.value("MaxTripCount=", stats.maxTripCount());
        trace.line(cformat("BestScore = %f", bestScore));
        trace.value("BestB2B=", bestRolls);
        trace.value("BestCCMC=", static_cast<std::int32_t>(pairing.newMaxPairs));
        trace.value("BestCCMC2=", static_cast<std::int32_t>(pairing.atMaxPairs));
        trace.value("BestTCMC=", static_cast<std::int32_t>(pairing.newMaxTriples));
        trace.value("ZeroPairingsCount=", static_cast<std::int32_t>(stats.zeroPairings()));

        if (u < rq.beginRound) {
            trace.value("Skip output - RollCount=", u);
            continue;
        }
        trace.line(cformat("Output Scattered Array - Round=%d RollCount=%d", t + 1, u));
        traceHeatOrder(trace, order, L, H);
        plan.orders[at] = order;
        ++t;
    }
    return plan;
}

}  // namespace korva
