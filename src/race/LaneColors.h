#pragma once
// The four lane colours of the course: index, two-letter code and name.

#include <string>

namespace korva {

inline constexpr int kLaneColorCount = 4;  // low green, low red, high green, high red

// "LG" 0, "LR" or "HB" 1, "HG" 2, "HR" 3, compared without regard to case; else -1.
int laneColorIndex(const std::string& code);

// The code of colour `index`; `blueVariant` writes "HB" instead of "LR"; else "Unknown".
std::string laneColorCode(int index, bool blueVariant);

// "Low Green", "Low Red", "High Blue", "High Green", "High Red"; "Unknown" for anything else.
std::string laneColorName(const std::string& code);

}  // namespace korva
