#pragma once
// The course's lane colours: short codes ("LG", "LR", "HG", "HR", "HB") and their names.

#include <string>
#include <string_view>

namespace korva {

inline constexpr int kLaneColorCount = 4;

// 0 Low Green, 1 Low Red (or High Blue), 2 High Green, 3 High Red; -1 for anything else.
int laneColorIndex(std::string_view code);

// The code of a colour index; `blue` gives "HB" for index 1. "Unknown" for other indexes.
std::string laneColorCode(int index, bool blue = false);

// The full name of a code ("Low Green" ...); "Unknown" for anything else.
std::string laneColorName(std::string_view code);

}  // namespace korva
