#include "properties/RaceDefaults.h"

namespace korva {

using namespace defaults;

int readDefault(const SettingsStore& settings, const IntKey& key) {
    return settings.getInt(kSection, key.key, key.value);
}

std::string readDefault(const SettingsStore& settings, const StringKey& key) {
    return settings.getString(kSection, key.key, key.value);
}

void writeDefault(SettingsStore& settings, const IntKey& key, int value) {
    settings.setInt(kSection, key.key, value);
}

void writeDefault(SettingsStore& settings, const StringKey& key, const std::string& value) {
    settings.setString(kSection, key.key, value);
}

void writeAllDefaults(SettingsStore& settings) {
    for (const IntKey& k :
         {kLimitChannels, kChannelLimits[0], kChannelLimits[1], kChannelLimits[2], kFlagLanes[0],
          kFlagLanes[1], kFlagLanes[2], kFlagLanes[3], kLimit3Lanes, kFastPilotRegister,
          kHeatScoring, kResolveTies, kSaveReminder, kColorPrinter, kHeatCardLaneColors,
          kHeatCardPageBreak, kPrintResolution, kStaggeredStart, kAwardPlaces}) {
        writeDefault(settings, k, k.value);
    }
    for (const StringKey& k : {kPrintFont, kPrintTitleFont}) writeDefault(settings, k, k.value);
}

}  // namespace korva
