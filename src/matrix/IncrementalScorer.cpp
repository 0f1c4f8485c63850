// Scores a trial from the meetings of its own round alone: every count of the whole table
// after the trial follows from the counts before it and the counts of the trial's pairs
// and triples, because a round adds each pair and triple at most once.

#include "matrix/PairingStats.h"
#include "matrix/TrialScorer.h"

namespace korva {

namespace {

class IncrementalScorer final : public TrialScorer {
public:
    explicit IncrementalScorer(const PairingStats& stats) : stats_(stats) {}

    std::int64_t score(const HeatOrder& trial, int round, int rolls) override {
        const int lanes = stats_.lanes();
        const int maxPairs = stats_.maxPairCount();
        const int maxTriples = stats_.maxTripCount();
        std::int64_t pairsAtMax = 0, pairsBelowMax = 0, triplesAtMax = 0, triplesBelowMax = 0;
        TrialCounts c;
        std::array<int, kMaxLanes> slot{};
        for (int h = 0; h < stats_.heats(); ++h) {
            for (int l = 0; l < lanes; ++l) {
                const auto& row = trial[static_cast<std::size_t>(l)];
                slot[static_cast<std::size_t>(l)] =
                    stats_.slot(l, row[static_cast<std::size_t>(h)]);
            }
            for (int l = 0; l < lanes; ++l) {
                const int a = slot[static_cast<std::size_t>(l)];
                for (int m = l + 1; m < lanes; ++m) {
                    const int b = slot[static_cast<std::size_t>(m)];
                    const int n = stats_.pairCount(a, b);
                    pairsAtMax += n == maxPairs;
                    pairsBelowMax += n == maxPairs - 1;
                    c.pairDelt = std::min(c.pairDelt, round - stats_.lastMet(a, b));
                    for (int k = m + 1; k < lanes; ++k) {
                        const int t = stats_.tripleCount(a, b, slot[static_cast<std::size_t>(k)]);
                        triplesAtMax += t == maxTriples;
                        triplesBelowMax += t == maxTriples - 1;
                    }
                }
            }
        }
        c.pairsOverMax = 2 * pairsAtMax;
        c.pairsAtMax = stats_.pairsAt(maxPairs) - 2 * pairsAtMax + 2 * pairsBelowMax;
        c.triplesOverMax = 6 * triplesAtMax;
        // Triples that never flew are no entries, so nothing counts at a most of zero.
        c.triplesAtMax =
            maxTriples == 0 ? 0
                            : stats_.triplesAt(maxTriples) - 6 * triplesAtMax + 6 * triplesBelowMax;
        return trialScore(c, round, rolls, stats_.heats());
    }

    void committed(const HeatOrder&, int) override {}

private:
    const PairingStats& stats_;
};

}  // namespace

std::unique_ptr<TrialScorer> makeIncrementalScorer(const PairingStats& stats) {
    return std::make_unique<IncrementalScorer>(stats);
}

}  // namespace korva
