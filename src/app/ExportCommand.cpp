#include "app/ExportCommand.h"

#include "app/KORVARaceApp.h"
#include "app/views/KORVAPilotView.h"
#include "app/views/PilotListModel.h"
#include "views/ResultsExport.h"

namespace korva {

namespace {

// The pilot window while it is the current window: the export takes its order.
KORVAPilotView* currentPilotView(const KORVARaceApp& app) {
    if (!app.race() || app.mainFrame()->currentKind() != WindowKind::Pilots) return nullptr;
    return qobject_cast<KORVAPilotView*>(app.mainFrame()->window(WindowKind::Pilots));
}

}  // namespace

void connectExportCommand(KORVARaceApp& app) {
    KORVARaceApp* a = &app;
    const auto run = [a] {
        if (KORVAPilotView* view = currentPilotView(*a))
            exportPilots(*a->race(), view->model().list());
    };
    const auto enabled = [a] { return currentPilotView(*a) != nullptr; };
    // The menus carry the one export under both names.
    app.commands().setHandler(Cmd::ExportPilots, run, enabled);
    app.commands().setHandler(Cmd::ExportResults, run, enabled);
}

}  // namespace korva
