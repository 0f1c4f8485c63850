#pragma once
// The three kinds of swap. Each takes a form that passed its range checks, tells the user
// why it refuses, and leaves the heats exactly as they were when it does.

namespace korva {

class KORVARaceDoc;
struct KORVASwapPilotsDlg;

// Exchanges the pilots of two lane slots of one round.
bool swapHeatSlots(KORVARaceDoc& doc, const KORVASwapPilotsDlg& form);
// Exchanges two pilots in every heat of every round not yet started.
bool swapPilotsInOpenRounds(KORVARaceDoc& doc, const KORVASwapPilotsDlg& form);
// Exchanges the pilots of two channels, in pilot order, in every round not yet started.
bool swapChannelsInOpenRounds(KORVARaceDoc& doc, const KORVASwapPilotsDlg& form);

}  // namespace korva
