#include "app/HeatChangeCommands.h"

#include <QStatusBar>
#include <QString>
#include <memory>

#include "app/KORVARaceApp.h"
#include "app/ResultCommands.h"
#include "app/dialogs/CsvImportDialogs.h"
#include "app/dialogs/SwapPilotsDialog.h"
#include "app/views/KORVAHeatView.h"
#include "registration/CsvImport.h"
#include "scoring/EnterResultsCommand.h"
#include "scoring/HeatReset.h"
#include "scoring/Standings.h"
#include "scoring/SwapPilots.h"
#include "scoring/TimingFile.h"

namespace korva {

namespace {

constexpr int kStatusMessageMs = 5000;

// The selected heat of the current heat window, to change in place.
KORVAHeat* selectedHeat(const KORVARaceApp& app) {
    const KORVAHeatView* view = currentHeatView(app);
    const HeatListRow* row = view ? view->selectedRow() : nullptr;
    if (!row) return nullptr;
    const KORVARound* round = app.race()->raceMatrix.matrix(row->bracket).roundAt(row->roundIndex);
    return round ? round->heatAt(row->heatIndex) : nullptr;
}

// A reset takes results away, so ties may end or begin: the standings run as after a
// stored result (the refresh that ends the reset only brings the totals up to date).
RecomputeStandings standingsAfterReset(const KORVARaceApp& app) {
    if (!app.standings()) return {};
    return resultEntryHooks(*app.standings()).runStandings;
}

// The file dialog starts beside the race, where its entry lists are usually kept.
QString importFolder(KORVARaceApp& app) {
    const KORVARaceDoc* race = app.race();
    return QString::fromStdString(race && !race->raceFolder.empty() ? race->raceFolder
                                                                    : app.services().workingFolder);
}

void connectResets(KORVARaceApp& app) {
    KORVARaceApp* a = &app;
    CommandTable& c = app.commands();
    c.setHandler(
        Cmd::ResetHeat,
        [a] {
            if (KORVAHeat* heat = selectedHeat(*a)) {
                resetHeat(*a->race(), *heat, standingsAfterReset(*a));
            }
        },
        [a] { return resetHeatEnabled(selectedHeat(*a)); });
    c.setHandler(
        Cmd::ResetRound,
        [a] {
            if (KORVAHeat* heat = selectedHeat(*a)) {
                resetRound(*a->race(), *heat, standingsAfterReset(*a));
            }
        },
        [a] { return resetRoundEnabled(selectedHeat(*a)); });
}

}  // namespace

void connectHeatChangeCommands(KORVARaceApp& app) {
    KORVARaceApp* a = &app;
    CommandTable& c = app.commands();
    auto swapForms = std::make_shared<QtSwapPilotsForms>(app.services().ui, app.mainFrame());
    c.setHandler(
        Cmd::SwapPilots, [a, swapForms] { swapPilots(*a->race(), *swapForms); },
        [a] { return currentHeatView(*a) != nullptr; });
    connectResets(app);
    c.setHandler(
        Cmd::OutputTimingFile,
        [a] {
            // A failure has told the user already; success only shows in the status bar.
            if (outputTimingSystemFile(*a->race())) {
                a->mainFrame()->statusBar()->showMessage(QObject::tr("Timing system files written"),
                                                         kStatusMessageMs);
            }
        },
        [a] {
            const KORVAHeatView* view = currentHeatView(*a);
            return view && view->rowCount() > 0 && view->layout() == HeatListLayout::Sheets;
        });
    auto importForms =
        std::make_shared<QtCsvImportForms>(app.mainFrame(), [a] { return importFolder(*a); });
    c.setHandler(
        Cmd::ImportPilots, [a, importForms] { importPilots(*a->race(), *importForms); },
        [a] { return a->race() != nullptr; });
}

}  // namespace korva
