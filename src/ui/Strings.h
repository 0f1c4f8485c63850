#pragma once
// The string table: every text the user sees that carries a number.

#include <string_view>

namespace korva {

// Texts without a number of their own get one above the numbered range.
namespace str {
inline constexpr int kPilots = 130;
inline constexpr int kRace = 265;
inline constexpr int kClassNameBase = 499;  // + class index: "APRA 9", "APRA", "424", "426", "Q40"
inline constexpr int kNewerFile = 264;
inline constexpr int kTooManyPlanes = 215;
inline constexpr int kSaveReminder = 297;
inline constexpr int kOpenFailed = 70001;
inline constexpr int kSaveFailed = 70002;
// Heat matrix.
inline constexpr int kKeepLanesNoFirstRound = 70101;
inline constexpr int kNoWaiverWarning = 70102;
inline constexpr int kUnpaidWarning = 70103;
inline constexpr int kNoReadyPilots = 70104;
inline constexpr int kFieldTooLarge = 70105;
inline constexpr int kBeginRoundRange = 70106;
inline constexpr int kEndRoundRange = 70107;
inline constexpr int kKeepLanesChannelSplit = 70108;
}  // namespace str

// The text of a numbered entry; empty when the table has none.
std::string_view text(int id);

}  // namespace korva
