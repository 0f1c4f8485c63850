#pragma once
// The heat window's result commands: Enter Results for the selected heat, and the switch
// between the heat-sheet and heat-card layouts.

namespace korva {

class KORVAHeatView;
class KORVARaceApp;

void connectResultCommands(KORVARaceApp& app);

// The heat window of the open race, if one is open.
KORVAHeatView* heatView(const KORVARaceApp& app);
// The heat window when it is the current window.
KORVAHeatView* currentHeatView(const KORVARaceApp& app);

}  // namespace korva
