#pragma once
// Numbers of the swap, reset and timing-file messages in the string table.

namespace korva::swapmsg {

inline constexpr int kChannelRange = 151;
inline constexpr int kRadioConflict = 180;
inline constexpr int kCaution = 70500;
inline constexpr int kHeatComplete = 70501;
inline constexpr int kSamePilotTwice = 70502;
inline constexpr int kBothNotActive = 70503;
inline constexpr int kWouldConflict = 70504;
inline constexpr int kSameChannelTwice = 70505;
inline constexpr int kNoPilotOnChannel = 70506;
inline constexpr int kUnequalChannels = 70507;
inline constexpr int kReprintReminder = 70508;
inline constexpr int kNoSuchHeat = 70509;
inline constexpr int kOtherClass = 70510;
inline constexpr int kResetRound = 70511;
inline constexpr int kTimingFileFailed = 70512;

}  // namespace korva::swapmsg
