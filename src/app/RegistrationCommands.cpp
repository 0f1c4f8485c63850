#include "app/RegistrationCommands.h"

#include "app/KORVARaceApp.h"
#include "app/views/KORVAPlaneView.h"
#include "app/views/RaceListView.h"
#include "registration/PilotRegistration.h"
#include "registration/PlaneRegistration.h"
#include "registration/SafetyCheck.h"
#include "views/PilotListRows.h"

namespace korva {

namespace {

WindowKind current(const KORVARaceApp& app) {
    return app.race() ? app.mainFrame()->currentKind() : WindowKind::None;
}

// The pilot selected in the pilot window, while the race has it.
const KORVAPilot* selectedPilot(const KORVARaceApp& app) {
    const KORVARaceDoc* race = app.race();
    return race ? race->pilotByNumber(race->currentSelection) : nullptr;
}

KORVAPlaneView* planeView(const KORVARaceApp& app) {
    return dynamic_cast<KORVAPlaneView*>(app.mainFrame()->window(WindowKind::Planes));
}

const KORVAPlane* selectedPlane(const KORVARaceApp& app) {
    const KORVAPlaneView* view = planeView(app);
    return view ? view->document().selected() : nullptr;
}

// The planes selected in the plane window while it is the current one.
std::vector<std::int32_t> selectedPlanes(const KORVARaceApp& app) {
    const KORVAPlaneView* view = planeView(app);
    if (!view || current(app) != WindowKind::Planes) return {};
    return view->selectedNumbers();
}

// What was just registered becomes the selection, ready for its plane or a change.
void selectAdded(const KORVARaceApp& app, WindowKind kind, std::int32_t number) {
    if (auto* view = qobject_cast<RaceListView*>(app.mainFrame()->window(kind))) {
        view->selectNumber(number);
    }
}

}  // namespace

void connectRegistrationCommands(KORVARaceApp& app, RegistrationForms& forms) {
    CommandTable& c = app.commands();
    KORVARaceApp* a = &app;
    RegistrationForms* f = &forms;
    c.setHandler(
        Cmd::AddNew,
        [a, f] {
            KORVARaceDoc& race = *a->race();
            if (current(*a) == WindowKind::Planes) {
                if (registerPlane(race, *f)) {
                    selectAdded(*a, WindowKind::Planes, race.planes.back()->planeNumber);
                }
            } else if (current(*a) == WindowKind::Pilots) {
                const std::size_t before = race.pilots.size();
                if (registerPilot(race, *f) && race.pilots.size() > before) {
                    selectAdded(*a, WindowKind::Pilots, race.pilots.back()->pilotNumber);
                }
            }
        },
        [a] { return current(*a) == WindowKind::Pilots || current(*a) == WindowKind::Planes; });
    c.setHandler(
        Cmd::Change,
        [a, f] {
            if (current(*a) == WindowKind::Planes) {
                if (const KORVAPlane* plane = selectedPlane(*a)) {
                    modifyPlane(*a->race(), *f, plane->planeNumber);
                }
            } else if (const KORVAPilot* pilot = selectedPilot(*a)) {
                modifyPilot(*a->race(), *f, pilot->pilotNumber);
            }
        },
        [a] {
            if (current(*a) == WindowKind::Planes) return selectedPlane(*a) != nullptr;
            return current(*a) == WindowKind::Pilots && selectedPilot(*a) != nullptr;
        });
    c.setHandler(
        Cmd::AddPlane,
        [a, f] {
            if (const KORVAPilot* pilot = selectedPilot(*a)) {
                registerPlane(*a->race(), *f, pilot->pilotNumber);
            }
        },
        [a] { return current(*a) == WindowKind::Pilots && canAddPlane(*a->race()); });
    c.setHandler(
        Cmd::DeletePilot,
        [a, f] {
            if (const KORVAPilot* pilot = selectedPilot(*a)) {
                deletePilot(*a->race(), *f, pilot->pilotNumber);
            }
        },
        [a] { return current(*a) == WindowKind::Pilots && selectedPilot(*a) != nullptr; });
    c.setHandler(
        Cmd::SafetyChecked, [a] { markSafetyChecked(*a->race(), selectedPlanes(*a)); },
        [a] { return a->race() && anyNotSafetyChecked(*a->race(), selectedPlanes(*a)); });
    c.setHandler(
        Cmd::UncheckedPlanesOnly,
        [a] {
            if (KORVAPlaneView* view = planeView(*a)) {
                view->setUncheckedOnly(!view->uncheckedOnly());
            }
        },
        [a] { return current(*a) == WindowKind::Planes; });
    c.setChecked(Cmd::UncheckedPlanesOnly, [a] {
        const KORVAPlaneView* view = a->race() ? planeView(*a) : nullptr;
        return view && view->uncheckedOnly();
    });
}

}  // namespace korva
