#pragma once
// Racing classes and the three brackets they are matrixed in.

#include <string>

namespace korva {

inline constexpr int kBracketCount = 3;
inline constexpr int kChannelCount = 200;
inline constexpr int kPseudoChannel = 100;  // channels from here on never conflict
inline constexpr int kMaxPlanesPerPilot = 2;

// The radio bands: 50 MHz, 72 MHz aircraft, and spread-spectrum pseudo channels.
inline constexpr int kLow50MHz = 0;
inline constexpr int kHigh50MHz = 9;
inline constexpr int kLow72MHz = 11;
inline constexpr int kHigh72MHz = 60;
inline constexpr int kLowPseudo = kPseudoChannel;
inline constexpr int kHighPseudo = kChannelCount - 1;

// Whether a channel lies in one of the bands.
bool channelInBands(int channel);

// Class index -1..4 to bracket: 0, 1, 2 give 0; 3 gives 1; 4 gives 2; else -1.
int bracketOfClass(int classIndex);

// Display name of a class index; `thirdName` is the third bracket's current name.
std::string className(int classIndex, const std::string& thirdName);

// The naming of string 499 + class index: "APRA 9", "APRA", "424", "426", "Q40".
std::string classLabel(int classIndex);

}  // namespace korva
