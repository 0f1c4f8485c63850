#pragma once
// Start-group colours of lanes and the colour legends shown above report tables.

#include <string>

namespace korva {

// "GREEN", "BLUE" or, in FAI races, "MAGENTA": the start group of lane b in round index a.
std::string StartGroupColorName(int a, int b, int faiMode, int rotateEvery);

std::string StartGroupLegend(bool bold, const std::string& size, bool withThird);
std::string ScoreColorLegend(bool bold, const std::string& size, bool infringeMode);

}  // namespace korva
