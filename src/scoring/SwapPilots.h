#pragma once
// The heat window's Swap Pilots command.

namespace korva {

class KORVARaceDoc;
class SwapPilotsForms;

// Asks for caution, then shows the form until the user leaves it with no radio conflict
// left. Returns true when the race changed.
bool swapPilots(KORVARaceDoc& doc, SwapPilotsForms& forms);

// Looks for a radio conflict in brackets 0, 1, 2 that a swap could still resolve; shows
// the first one found (message 180) and returns true, or returns false when there is none.
bool reportRadioConflict(KORVARaceDoc& doc);

}  // namespace korva
