#pragma once
// The search score computed exactly as first described: every trial copies the whole pair
// table and the whole triple map, adds the trial round's meetings and counts the entries.
// Slow on purpose; it is the oracle for the program's scorer and its benchmark baseline.
// It keeps its own tables, fed only with the committed orders.

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "matrix/PairingStats.h"
#include "matrix/TrialScorer.h"

namespace korva::test {

class ReferenceScorer final : public TrialScorer {
public:
    ReferenceScorer(int lanes, int heats)
        : lanes_(lanes),
          heats_(heats),
          side_(std::max(128, lanes * heats)),
          pairs_(static_cast<std::size_t>(side_ * side_), 0),
          lastMet_(static_cast<std::size_t>(side_ * side_), 0) {}

    std::int64_t score(const HeatOrder& trial, int round, int rolls) override {
        std::vector<int> pairs = pairs_;
        std::map<std::int64_t, int> triples = triples_;
        TrialCounts c;
        forEachMeeting(
            trial,
            [&](int a, int b) {
                ++pairs[at(a, b)];
                c.pairDelt = std::min(c.pairDelt, round - lastMet_[at(a, b)]);
            },
            [&](std::int64_t key) { ++triples[key]; });
        for (int n : pairs) {
            c.pairsOverMax += n == maxPairCount_ + 1;
            c.pairsAtMax += n == maxPairCount_;
        }
        for (const auto& [key, n] : triples) {
            c.triplesOverMax += n == maxTripCount_ + 1;
            c.triplesAtMax += n == maxTripCount_;
        }
        return trialScore(c, round, rolls, heats_);
    }

    void committed(const HeatOrder& order, int round) override {
        forEachMeeting(
            order,
            [&](int a, int b) {
                ++pairs_[at(a, b)];
                lastMet_[at(a, b)] = round;
            },
            [&](std::int64_t key) { ++triples_[key]; });
        maxPairCount_ = *std::max_element(pairs_.begin(), pairs_.end());
        maxTripCount_ = 0;
        for (const auto& [key, n] : triples_) maxTripCount_ = std::max(maxTripCount_, n);
    }

    static ScorerFactory factory() {
        return [](const PairingStats& stats) -> std::unique_ptr<TrialScorer> {
            return std::make_unique<ReferenceScorer>(stats.lanes(), stats.heats());
        };
    }

private:
    std::size_t at(int a, int b) const { return static_cast<std::size_t>(a * side_ + b); }

    // Every ordered pair and every ordered triple of slots in different lanes of one heat.
    template <typename Pair, typename Triple>
    void forEachMeeting(const HeatOrder& order, Pair pair, Triple triple) const {
        const auto n = static_cast<std::int64_t>(side_);
        for (int h = 0; h < heats_; ++h) {
            std::vector<int> slot;
            for (int l = 0; l < lanes_; ++l) {
                slot.push_back(l * heats_ +
                               order[static_cast<std::size_t>(l)][static_cast<std::size_t>(h)]);
            }
            for (int i : slot) {
                for (int j : slot) {
                    if (i == j) continue;
                    pair(i, j);
                    for (int k : slot) {
                        if (k != i && k != j) triple((i * n + j) * n + k);
                    }
                }
            }
        }
    }

    int lanes_;
    int heats_;
    int side_;
    std::vector<int> pairs_;
    std::vector<int> lastMet_;
    std::map<std::int64_t, int> triples_;
    int maxPairCount_ = 0;
    int maxTripCount_ = 0;
};

}  // namespace korva::test
