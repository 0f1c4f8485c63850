#pragma once
// Race properties between the form, the race document and the per-user defaults.

#include <string>

#include "properties/RacePropertiesForm.h"
#include "ui/SettingsStore.h"

namespace korva {

class KORVARaceDoc;

// A new race: every value from "Defaults".
RaceProperties propertiesFromDefaults(const SettingsStore& settings);

// The open race as the form shows it.
RaceProperties propertiesOf(const KORVARaceDoc& doc);

// The boxes and texts of the form around the values.
RacePropertiesSetup propertiesSetup(const KORVARaceDoc* openRace);

// Lane 1..4 of each colour from the race's lane colour codes (entries 1..3 in FAI races);
// colours the codes do not name get the lanes left over, so the lanes always differ.
std::array<int, 4> flagLanesFromCodes(const std::array<std::string, 4>& codes, bool fai);

// The channel-limit form for these values: one row per raced bracket.
ChannelLimitForm channelLimitForm(const RaceProperties& values);

// The file a new race named `name` is stored in: ".kvr" appended when missing, a name
// without a folder placed in `folder`. Empty when the name is empty.
std::string newRacePath(const std::string& name, const std::string& folder);

// Classes the open race already holds stay, whatever the form returned, and its third
// bracket keeps its kind.
void keepRacedClasses(RaceProperties& values, const KORVARaceDoc& race);

// Puts the values into the document; true when the 424, 426 or Q40 classes changed.
bool applyProperties(KORVARaceDoc& doc, const RaceProperties& values);

// Stores the values as the defaults of the next new race.
void writeBackDefaults(SettingsStore& settings, const RaceProperties& values);

}  // namespace korva
