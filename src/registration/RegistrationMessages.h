#pragma once
// Numbers of the registration messages and titles in the string table.

namespace korva::msg {

inline constexpr int kNoClass = 144;
inline constexpr int kNotActive = 145;
inline constexpr int kChannelRange = 151;
inline constexpr int kSureOfChannel = 152;
inline constexpr int kMasterDiffers = 155;
inline constexpr int kIdInClass = 156;
inline constexpr int kIdInOtherClass = 157;
inline constexpr int kNoSuchPilotForPlane = 158;
inline constexpr int kRegisterPlaneTitle = 159;
inline constexpr int kRegisterPilotTitle = 160;
inline constexpr int kModifyPilotTitle = 161;
inline constexpr int kModifyPlaneTitle = 162;
inline constexpr int kHasPrimary = 164;
inline constexpr int kChangeMasterData = 165;
inline constexpr int kDeleteNote = 188;
inline constexpr int kDeleteConfirm = 189;
inline constexpr int kBuddyTaken = 194;
inline constexpr int kBuddyOtherClass = 195;
inline constexpr int kProgramBug = 196;
inline constexpr int kTextAndNumber = 197;
inline constexpr int kAddedToMatrixed = 209;
inline constexpr int kChangeId = 231;
inline constexpr int kNoSuchPilotChanged = 233;
inline constexpr int kDuplicatePilot = 236;
inline constexpr int kChannelLimit = 249;
inline constexpr int kBuddySelf = 252;
inline constexpr int kChannelTasks = 270;
inline constexpr int kTaskRematrix = 271;
inline constexpr int kTaskPartialRounds = 272;
inline constexpr int kTaskHeatCards = 273;
inline constexpr int kTaskHeatSheets = 274;
inline constexpr int kTaskPilotCards = 275;
inline constexpr int kTaskQuestion = 276;
inline constexpr int kHasBackup = 293;
inline constexpr int kClassChangeRacing = 294;
inline constexpr int kClassChangeMatrix = 295;
inline constexpr int kFirstName = 61206;
inline constexpr int kLastName = 61207;
inline constexpr int kNoPilotWithNumber = 70401;
inline constexpr int kBuddyLabel = 70402;
inline constexpr int kClassLabel = 70403;
inline constexpr int kPilotNumberLabel = 70404;

}  // namespace korva::msg
