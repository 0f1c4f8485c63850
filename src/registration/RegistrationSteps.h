#pragma once
// Steps the registration commands share once an entry is accepted.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "race/KORVAPilot.h"
#include "ui/FormChecks.h"

namespace korva {

class KORVAPilotMaster;
class KORVARaceDoc;
class RegistrationForms;

// Shows the pilot form, starting from `base`, until an entry passes the form's checks and
// `accept`, or the user cancels; a refused entry comes back with the refused field focused.
// The entry keeps the number of `base` and is stamped as modified now.
std::optional<KORVAPilot> editPilotEntry(KORVARaceDoc& doc, RegistrationForms& forms,
                                         const KORVAPilot& base, int titleId,
                                         const std::function<FormCheck(const KORVAPilot&)>& accept);

// Makes the pilot's buddy point back at the pilot, and frees the former buddy when it
// pointed at the pilot. A buddy that is the pilot itself or does not exist is dropped.
void linkBuddy(KORVARaceDoc& doc, KORVAPilot& pilot, std::int32_t formerBuddy);

// Whether the pilot is the entry's person (every personal field alike) under another ID.
bool samePersonDifferentId(const KORVAPilot& pilot, const KORVAPilot& entry);

// Appends the pilot to the race with a primary plane "Unknown" attached; returns it.
KORVAPilot& appendPilotWithPlane(KORVARaceDoc& doc, const KORVAPilot& entry, bool safetyChecked);

// Marks the bracket as changed since its matrix was built.
void flagBracketChanged(KORVARaceDoc& doc, int bracket);
// Flags the old and new brackets when a change touches what the matrix is built from.
void flagMatrixRelevantChange(KORVARaceDoc& doc, const KORVAPilot& before, const KORVAPilot& after);

// Replaces the master record found by `oldId` with a copy of the pilot, or adds one when
// there is none. Pilots without an ID are not kept: the master file is keyed by the ID.
void storeInMaster(KORVAPilotMaster& master, const std::string& oldId, const KORVAPilot& pilot);

// The end of every registration command: counts the change and rebuilds the lists.
void finishRegistration(KORVARaceDoc& doc, bool recount);

}  // namespace korva
