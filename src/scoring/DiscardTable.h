#pragma once
// How many of an FAI pilot's worst rounds are dropped, by the number of completed rounds.

#include <array>

namespace korva {

// Rounds discarded after N = 0..36 completed rounds.
inline constexpr std::array<int, 37> DiscardTable = {
    0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3,
    3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3,
};

inline constexpr int kMostDiscarded = 3;

// The table's entry, and its last entry for longer races: a bracket may hold up to 64 rounds.
int discardedRounds(int completedRounds);

}  // namespace korva
