#pragma once
// Racing classes and the three brackets they are matrixed in.

#include <string>

namespace korva {

inline constexpr int kBracketCount = 3;
inline constexpr int kChannelCount = 200;
inline constexpr int kPseudoChannel = 100;  // channels from here on never conflict
inline constexpr int kMaxPlanesPerPilot = 2;

// Class index -1..4 to bracket: 0, 1, 2 give 0; 3 gives 1; 4 gives 2; else -1.
int bracketOfClass(int classIndex);

// Display name of a class index; `thirdName` is the third bracket's current name.
std::string className(int classIndex, const std::string& thirdName);

// The naming of string 499 + class index: "APRA 9", "APRA", "424", "426", "Q40".
std::string classLabel(int classIndex);

}  // namespace korva
