#pragma once
// The commands that change the heats by hand or hand them on: Swap Pilots, Reset Heat, Reset
// Round and Output Timing System File in the heat window, and Import Pilots.

namespace korva {

class KORVARaceApp;

void connectHeatChangeCommands(KORVARaceApp& app);

}  // namespace korva
