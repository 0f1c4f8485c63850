#pragma once
// How a lane result turns into points (points race) or a score (FAI race), and when a time
// looks too low to be true.

#include <cstdint>
#include <string>

#include "race/KORVAHeatTime.h"

namespace korva {

// The race's `heatScoring` setting.
inline constexpr int kScoringAma = 0;
inline constexpr int kScoringCutIsPoint = 1;  // "1 Cut = 1 Point"
inline constexpr int kScoringManual = 2;

// Cuts in a points race, infringements in an FAI race.
inline constexpr int kMaxCuts = 2;
// 200.00 s: the worst FAI score, given to DNS, DNF and two infringements.
inline constexpr std::int32_t kWorstScore = 20000;

// Whether a lane that started and finished counts towards the finisher count F.
bool countsAsFinisher(int cuts, int heatScoring);

// Points of a lane that started and finished, in a round of `lanesPerHeat` lanes.
int lanePoints(int cuts, int finish, int lanesPerHeat, int heatScoring);

// True when the time is too low to be believed: below 50.00 s in an FAI race, else below
// the bracket's threshold.
bool timeTooLow(const KORVAHeatTime& time, bool fai, int bracket);

// An FAI score as seconds and hundredths: 20000 gives "200.00".
std::string scoreText(std::int32_t score);

}  // namespace korva
