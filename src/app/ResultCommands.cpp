#include "app/ResultCommands.h"

#include <QPointer>
#include <memory>

#include "app/KORVARaceApp.h"
#include "app/dialogs/QtResultForms.h"
#include "app/views/KORVAHeatView.h"
#include "scoring/EnterResultsCommand.h"
#include "scoring/Standings.h"

namespace korva {

KORVAHeatView* heatView(const KORVARaceApp& app) {
    if (!app.race()) return nullptr;
    return qobject_cast<KORVAHeatView*>(app.mainFrame()->window(WindowKind::Heats));
}

KORVAHeatView* currentHeatView(const KORVARaceApp& app) {
    KORVAHeatView* view = heatView(app);
    return view && app.mainFrame()->currentKind() == WindowKind::Heats ? view : nullptr;
}

namespace {

void enterSelectedResults(KORVARaceApp& app, HeatResultForms& forms) {
    QPointer<KORVAHeatView> view = currentHeatView(app);
    const HeatListRow* row = view ? view->selectedRow() : nullptr;
    if (!row) return;
    // Without standings (no race open) the hook stays a no-op.
    const EnterResultsHooks hooks =
        app.standings() ? resultEntryHooks(*app.standings()) : EnterResultsHooks{};
    if (!enterResults(*app.race(), forms, row->bracket, row->roundIndex + 1, row->heatIndex + 1,
                      hooks)) {
        return;
    }
    // Ready for the next heat flown: Enter opens it.
    if (view) view->selectNextOpenHeat();
}

void connectLayout(KORVARaceApp& app, Cmd cmd, HeatListLayout layout) {
    KORVARaceApp* a = &app;
    CommandTable& c = app.commands();
    c.setHandler(
        cmd,
        [a, layout] {
            if (KORVAHeatView* view = heatView(*a)) view->setLayout(layout);
        },
        [a] { return heatView(*a) != nullptr; });
    c.setChecked(cmd, [a, layout] {
        const KORVAHeatView* view = heatView(*a);
        return view && view->layout() == layout;
    });
}

}  // namespace

void connectResultCommands(KORVARaceApp& app) {
    KORVARaceApp* a = &app;
    auto forms = std::make_shared<QtResultForms>(app.mainFrame());
    app.commands().setHandler(
        Cmd::EnterResults, [a, forms] { enterSelectedResults(*a, *forms); },
        [a] {
            const KORVAHeatView* view = currentHeatView(*a);
            return view && view->selectedRow() != nullptr;
        });
    connectLayout(app, Cmd::HeatSheets, HeatListLayout::Sheets);
    connectLayout(app, Cmd::HeatCards, HeatListLayout::Cards);
}

}  // namespace korva
