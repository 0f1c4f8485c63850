#pragma once
// The print commands of the pilot and heat windows: the pilot list, pilot cards and heat
// details from the pilot window; heat cards, sheets and results, spectator programs and
// the re-fly card from the heat window. Each runs its report with the dialogs.

namespace korva {

class KORVARaceApp;

void connectPrintCommands(KORVARaceApp& app);

}  // namespace korva
