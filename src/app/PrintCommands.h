#pragma once
// The print commands of the pilot and heat windows: the pilot list, pilot cards and heat
// details from the pilot window; heat cards, sheets and results, spectator programs and
// the re-fly card from the heat window. Each runs its report with the dialogs.

#include "scoring/FlyOffInfo.h"

namespace korva {

class KORVARaceApp;

void connectPrintCommands(KORVARaceApp& app);

// What the standings' showFlyOffInfo hook is set to once the program keeps standings: the
// fly-off page written, listed and offered for printing through the print dialogs.
FlyOffInfoHandler flyOffInfoHook(KORVARaceApp& app);

}  // namespace korva
