#pragma once
// The settings section "Defaults": starting values of a new race, kept per user.

#include <string>

#include "ui/SettingsStore.h"

namespace korva {

namespace defaults {
inline constexpr const char* kSection = "Defaults";

struct IntKey {
    const char* key;
    int value;
};
struct StringKey {
    const char* key;
    const char* value;
};

inline constexpr IntKey kLimitChannels{"LimitChannels", 1};
inline constexpr IntKey kChannelLimits[3] = {
    {"LimitChannels424", 3}, {"LimitChannels428", 3}, {"LimitChannelsQ40", 3}};
inline constexpr IntKey kFlagLanes[4] = {
    {"LowGreenLane", 1}, {"LowRedLane", 2}, {"HighGreenLane", 3}, {"HighRedLane", 4}};
inline constexpr IntKey kLimit3Lanes{"Limit3Lanes", 0};
inline constexpr IntKey kFastPilotRegister{"FastPilotRegister", 0};
inline constexpr IntKey kHeatScoring{"HeatScoring", 0};
inline constexpr IntKey kResolveTies{"ResolveTies", 0};
inline constexpr IntKey kSaveReminder{"SaveReminder", 10};
inline constexpr IntKey kColorPrinter{"ColorPrinter", 1};
inline constexpr IntKey kHeatCardLaneColors{"HeatCardLaneColors", 1};
inline constexpr IntKey kHeatCardPageBreak{"HeatCardPageBreak", 0};
inline constexpr IntKey kPrintResolution{"PrintResolution", 96};
inline constexpr IntKey kStaggeredStart{"StaggeredStart", 1};
inline constexpr IntKey kAwardPlaces{"AwardPlaces", 3};
inline constexpr StringKey kPrintFont{"PrintFont", "Verdana"};
inline constexpr StringKey kPrintTitleFont{"PrintTitleFont", "Verdana"};
}  // namespace defaults

// Reads a "Defaults" value; a missing one reads as its default.
int readDefault(const SettingsStore& settings, const defaults::IntKey& key);
std::string readDefault(const SettingsStore& settings, const defaults::StringKey& key);
void writeDefault(SettingsStore& settings, const defaults::IntKey& key, int value);
void writeDefault(SettingsStore& settings, const defaults::StringKey& key,
                  const std::string& value);

// Writes every "Defaults" key with its default (the first start of the program).
void writeAllDefaults(SettingsStore& settings);

}  // namespace korva
