#pragma once
// The race's rules for an entry of the pilot form: channels, channel limits, pilot IDs,
// buddies, and what a change means for a matrix that already exists.

#include <cstdint>

#include "ui/FormChecks.h"

namespace korva {

class Interaction;
class KORVAPilot;
class KORVARaceDoc;

// 11..60 accepted; 0..9 and 100..199 accepted after asking when `confirm`; else refused.
bool validateChannel(Interaction& ui, int channel, bool confirm);

// Checks the pilot's buddy; the two are linked only when the whole entry is accepted
// (linkBuddy), so that a later refusal leaves the other pilot as it was.
bool validateBuddy(const KORVARaceDoc& doc, const KORVAPilot& pilot);

// Accepted, or refused with the pilot form's field that has to change (pilotfield names).
FormCheck validateNewPilot(KORVARaceDoc& doc, const KORVAPilot& entry);
FormCheck validateChangedPilot(KORVARaceDoc& doc, const KORVAPilot& entry,
                               const KORVAPilot& before);

// Active, not disqualified pilots of the bracket on the channel, leaving one number out.
int activePilotsOnChannel(const KORVARaceDoc& doc, int bracket, int channel, std::int32_t except);

}  // namespace korva
