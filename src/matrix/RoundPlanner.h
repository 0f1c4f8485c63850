#pragma once
// Chooses the heat order of every round of a bracket, round after round, so that pilots
// meet as many different opponents as possible (the first half of the scattering).

#include <cstdint>
#include <vector>

#include "matrix/HeatOrder.h"
#include "matrix/ProgressTick.h"
#include "matrix/TrialScorer.h"

namespace korva {

class MatrixTrace;

struct PlanRequest {
    int lanes = 0;
    int heats = 0;
    int roundQuan = 0;     // last round written
    int beginRound = 1;    // first round written; earlier rounds are replayed for statistics
    int extraRounds = 0;   // rounds planned past roundQuan to look for bye alignments
    ScorerFactory scorer;  // empty: the program's own
    ProgressTick tick;     // once per planned round
};

// Orders and statistics by round index (round number - 1); indexes before the begin round
// hold nothing.
struct HeatOrderPlan {
    int lanes = 0;
    int heats = 0;
    int firstIndex = 0;  // begin round - 1
    int endIndex = 0;    // one past the last planned round
    std::vector<HeatOrder> orders;
    std::vector<int> maxPairCount;
    std::vector<std::int64_t> zeroPairings;
    std::vector<double> bestScore;                         // of the last search up to that round
    std::vector<std::vector<std::vector<int>>> snapshots;  // per lane: position 0 vs slots

    bool storedAt(int index) const { return index >= firstIndex && index < endIndex; }
};

HeatOrderPlan planHeatOrders(const PlanRequest& request, MatrixTrace& trace);

// One trace line per heat: "  - " and "[%02d]" for each lane.
void traceHeatOrder(MatrixTrace& trace, const HeatOrder& order, int lanes, int heats);

}  // namespace korva
