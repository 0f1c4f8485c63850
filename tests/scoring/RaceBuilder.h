#pragma once
// Small races built by hand for the heat-window commands: pilots and a bracket's rounds.

#include <array>
#include <initializer_list>
#include <string>

#include "race/KORVARaceDoc.h"

namespace korva::test {

using Lanes = std::array<std::int32_t, KORVAHeat::kLanes>;
inline constexpr Timestamp kBuiltAt = 1'600'000'000;

KORVAPilot& addPilot(KORVARaceDoc& doc, std::int32_t number, int classIndex, int channel,
                     const std::string& first = "F", const std::string& last = "L");

// Appends a round of 4-lane heats to the bracket's matrix (class code set by the first);
// `flown` gives every heat results.
KORVARound& addRound(KORVARaceDoc& doc, int bracket, int classCode,
                     std::initializer_list<Lanes> heats, bool flown = false);

}  // namespace korva::test
