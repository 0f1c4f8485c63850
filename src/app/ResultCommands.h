#pragma once
// The heat window's result commands: Enter Results for the selected heat, and the switch
// between the heat-sheet and heat-card layouts.

namespace korva {

class KORVARaceApp;

void connectResultCommands(KORVARaceApp& app);

}  // namespace korva
