#include "app/StandingsCommands.h"

#include <memory>

#include "app/KORVARaceApp.h"
#include "app/dialogs/FlyOffPointsDialog.h"
#include "scoring/Finish.h"
#include "scoring/Standings.h"

namespace korva {

void connectStandingsCommands(KORVARaceApp& app) {
    KORVARaceApp* a = &app;
    auto forms = std::make_shared<QtFlyOffPointsForms>(app.mainFrame());
    CommandTable& c = app.commands();
    c.setHandler(
        Cmd::FinishRace,
        [a] {
            if (RaceStandings* s = a->standings()) finishRace(*s);
        },
        [a] { return a->standings() && canFinish(*a->race()); });
    c.setHandler(
        Cmd::FlyOffPoints,
        [a, forms] {
            if (RaceStandings* s = a->standings()) {
                setFlyOffPoints(*s, *forms, a->race()->currentSelection);
            }
        },
        [a] {
            const KORVARaceDoc* race = a->race();
            return a->standings() && canSetFlyOffPoints(*race, race->currentSelection);
        });
}

}  // namespace korva
