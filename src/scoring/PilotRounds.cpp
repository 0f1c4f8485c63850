#include "scoring/PilotRounds.h"

#include <algorithm>
#include <limits>
#include <numeric>

#include "race/KORVARaceDoc.h"
#include "scoring/DiscardTable.h"

namespace korva {

namespace {
// Pilot numbers index the table; absurd ones from a damaged file are passed over.
constexpr std::int32_t kNumberLimit = 1 << 16;

// The `drop` highest values are the worst FAI rounds; among equal ones the earlier goes.
void markDiscards(std::vector<RoundResult>& rounds, int drop) {
    std::vector<std::size_t> order(rounds.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return rounds[a].value > rounds[b].value;
    });
    const auto n = std::min(order.size(), static_cast<std::size_t>(std::max(drop, 0)));
    for (std::size_t i = 0; i < n; ++i) rounds[order[i]].discarded = true;
}
}  // namespace

BracketRounds::BracketRounds(const KORVARaceDoc& doc, int bracket)
    : bracket_(bracket), fai_(doc.faiClass != 0) {
    if (bracket < 0 || bracket >= kBracketCount) return;
    const KORVAMatrix& matrix = doc.raceMatrix.matrix(bracket);
    for (const auto& round : matrix.rounds) {
        if (!round || !round->allComplete()) continue;
        const std::size_t index = roundNumbers_.size();
        roundNumbers_.push_back(round->number());
        for (const auto& heat : round->heats) {
            if (!heat) continue;
            for (std::size_t l = 0; l < KORVAHeat::kLanes; ++l) {
                const std::int32_t number = heat->lanePilot[l];
                if (number <= 0 || number >= kNumberLimit) continue;
                const auto n = static_cast<std::size_t>(number);
                if (byNumber_.size() <= n) byNumber_.resize(n + 1);
                std::vector<RoundResult>& rounds = byNumber_[n];
                rounds.resize(index + 1);
                RoundResult& r = rounds[index];
                // The first heat holding the pilot gives the time, the first nonzero points
                // the value, as the totals take them.
                if (!r.flew) {
                    r = {true, heat->lanePoints[l], heat->laneTime[l].totalHundredths,
                         heat->laneCuts[l] >= 1, false};
                } else if (r.value == 0) {
                    r.value = heat->lanePoints[l];
                }
            }
        }
    }
    const std::size_t completed = roundNumbers_.size();
    for (std::vector<RoundResult>& rounds : byNumber_) {
        if (rounds.empty()) continue;
        rounds.resize(completed);
        if (fai_) markDiscards(rounds, discardedRounds(static_cast<int>(completed)));
    }
}

std::vector<RoundResult> BracketRounds::of(const KORVAPilot& pilot) const {
    if (pilot.bracket != bracket_) return {};
    const auto n = static_cast<std::size_t>(pilot.pilotNumber);
    if (pilot.pilotNumber <= 0 || n >= byNumber_.size() || byNumber_[n].empty()) {
        return std::vector<RoundResult>(roundNumbers_.size());
    }
    return byNumber_[n];
}

std::int32_t BracketRounds::total(const KORVAPilot& pilot) const {
    if (pilot.dqFlag) return 0;
    std::int64_t sum = 0;
    for (const RoundResult& r : of(pilot)) {
        if (!r.discarded) sum += r.value;
    }
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace korva
