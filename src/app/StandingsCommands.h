#pragma once
// The standings commands: Finish, and Set FlyOff Points for the pilot selected in the pilot
// window through the "Adjustments" dialog.

namespace korva {

class KORVARaceApp;

void connectStandingsCommands(KORVARaceApp& app);

}  // namespace korva
