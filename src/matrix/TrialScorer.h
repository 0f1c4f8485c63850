#pragma once
// Scoring of one trial heat order during the search for a round's order. Lower is better.

#include <cstdint>
#include <functional>
#include <memory>

#include "matrix/HeatOrder.h"

namespace korva {

class PairingStats;

// What a trial round would leave behind, counted as the trace log shows it.
struct TrialCounts {
    std::int64_t pairsOverMax = 0;    // A: pair entries at the most so far + 1
    std::int64_t pairsAtMax = 0;      // C: pair entries at the most so far
    std::int64_t triplesOverMax = 0;  // T1
    std::int64_t triplesAtMax = 0;    // T0
    int pairDelt = 999;               // fewest rounds since a pair of the trial last met
};

// Repeated triples weigh most, then repeated pairs, then pairs that met only just before.
// `rolls` is the larger lane roll of the trial (at least 1); a roll past half the heats
// is mostly a repeat of an earlier one, so it costs more.
inline std::int64_t trialScore(const TrialCounts& c, int round, int rolls, int heats) {
    const std::int64_t s = c.pairsAtMax * 1000 + c.pairsOverMax * 100000 +
                           (rolls < heats / 2 ? 10 * rolls : 10000 * rolls);
    const std::int64_t g = static_cast<std::int64_t>(round - c.pairDelt) * 100;
    return c.triplesOverMax * 10'000'000'000 + s + c.triplesAtMax * 10'000'000 +
           (c.pairDelt > 1 ? g : g * 10000);
}

class TrialScorer {
public:
    virtual ~TrialScorer() = default;
    virtual std::int64_t score(const HeatOrder& trial, int round, int rolls) = 0;
    // The order finally flown in a round (searched or not), after the statistics took it.
    virtual void committed(const HeatOrder& order, int round) = 0;
};

// Makes the scorer of one scattering, over the statistics that scattering keeps.
using ScorerFactory = std::function<std::unique_ptr<TrialScorer>(const PairingStats&)>;

// The program's scorer: counts only what the trial round adds to the statistics.
std::unique_ptr<TrialScorer> makeIncrementalScorer(const PairingStats& stats);

}  // namespace korva
