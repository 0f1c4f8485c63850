#include "app/PrintCommands.h"

#include <memory>

#include "app/KORVARaceApp.h"
#include "app/QtText.h"
#include "app/QuickPrintCommand.h"
#include "app/dialogs/QtPrintForms.h"
#include "app/views/KORVAHeatView.h"
#include "app/views/KORVAPilotView.h"
#include "app/views/PilotListModel.h"
#include "reports/FlyOffPage.h"
#include "reports/PrintHeats.h"
#include "reports/PrintPilots.h"
#include "reports/AudiencePrograms.h"

namespace korva {

namespace {

// The window of that kind when it is the current one.
template <typename View>
View* currentView(const KORVARaceApp& app, WindowKind kind) {
    if (!app.race() || app.mainFrame()->currentKind() != kind) return nullptr;
    return qobject_cast<View*>(app.mainFrame()->window(kind));
}

KORVAPilotView* pilotView(const KORVARaceApp& app) {
    return currentView<KORVAPilotView>(app, WindowKind::Pilots);
}

KORVAHeatView* heatView(const KORVARaceApp& app) {
    return currentView<KORVAHeatView>(app, WindowKind::Heats);
}

bool hasRows(const RaceWindow* view) {
    return view && view->rowCount() > 0;
}

// Heat details have something to show once a round of some class is flown to the end.
bool someRoundComplete(const KORVARaceDoc& doc) {
    for (int b = 0; b < kBracketCount; ++b) {
        for (const auto& round : doc.raceMatrix.matrix(b).rounds) {
            if (round->allComplete()) return true;
        }
    }
    return false;
}

// The classes the heat window lists: the matrixed ones within its filter.
int listedClasses(const KORVARaceDoc& doc, int filter) {
    int classes = 0;
    for (int b = 0; b < kBracketCount; ++b) {
        if ((filter < 0 || filter == b) && doc.raceMatrix.matrix(b).hasRounds()) classes |= 1 << b;
    }
    return classes;
}

class PrintCommands {
public:
    explicit PrintCommands(KORVARaceApp& app)
        : app_(app), forms_(app.mainFrame()), queue_(app.printQueue()) {}

    void print() {
        KORVARaceDoc& doc = *app_.race();
        if (KORVAPilotView* pilots = pilotView(app_)) {
            PrintPilotList(doc, forms_, queue_, pilots->model().list());
        } else if (KORVAHeatView* heats = heatView(app_)) {
            const HeatWindowState window{heats->layout() == HeatListLayout::Cards,
                                         heats->bracketFilter(), fromQt(heats->windowTitle())};
            PrintHeats(doc, forms_, queue_, window);
        }
    }
    void pilotCards() {
        if (KORVAPilotView* pilots = pilotView(app_)) {
            PrintPilotCards(*app_.race(), forms_, queue_, pilots->model().list());
        }
    }
    void heatDetails() {
        if (KORVAPilotView* pilots = pilotView(app_)) {
            PrintPilotHeatDetails(*app_.race(), forms_, queue_, pilots->model().list());
        }
    }
    void spectatorPrograms() {
        if (KORVAHeatView* heats = heatView(app_)) {
            KORVARaceDoc& doc = *app_.race();
            PrintSpectatorPrograms(doc, forms_, queue_, listedClasses(doc, heats->bracketFilter()));
        }
    }
    void quickPrint() { quickPrintCommand(app_, forms_, queue_); }
    void reFlyCard() {
        const KORVAHeatView* heats = heatView(app_);
        const HeatListRow* row = heats ? heats->selectedRow() : nullptr;
        if (row) {
            PrintReFlyCard(*app_.race(), forms_, queue_,
                           HeatPlace{row->bracket, row->roundIndex, row->heatIndex});
        }
    }

private:
    KORVARaceApp& app_;
    QtPrintForms forms_;
    HtmlPrintQueue& queue_;
};

}  // namespace

void connectPrintCommands(KORVARaceApp& app) {
    KORVARaceApp* a = &app;
    auto run = std::make_shared<PrintCommands>(app);
    CommandTable& c = app.commands();
    c.setHandler(
        Cmd::Print, [run] { run->print(); },
        [a] { return hasRows(pilotView(*a)) || hasRows(heatView(*a)); });
    c.setHandler(
        Cmd::QuickPrint, [run] { run->quickPrint(); },
        [a] { return hasRows(pilotView(*a)) || hasRows(heatView(*a)); });
    c.setHandler(
        Cmd::PrintPilotCards, [run] { run->pilotCards(); },
        [a] { return pilotView(*a) != nullptr; });
    c.setHandler(
        Cmd::PrintHeatDetails, [run] { run->heatDetails(); },
        [a] { return hasRows(pilotView(*a)) && someRoundComplete(*a->race()); });
    c.setHandler(
        Cmd::PrintSpectatorProgram, [run] { run->spectatorPrograms(); },
        [a] {
            const KORVAHeatView* heats = heatView(*a);
            return hasRows(heats) && heats->layout() == HeatListLayout::Sheets;
        });
    c.setHandler(
        Cmd::PrintReFlyCard, [run] { run->reFlyCard(); },
        [a] {
            const KORVAHeatView* heats = heatView(*a);
            return heats && heats->selectedRow() != nullptr;
        });
}

FlyOffInfoHandler flyOffInfoHook(KORVARaceApp& app) {
    KORVARaceApp* a = &app;
    return [a](const FlyOffInfo& info) {
        if (!a->race()) return;
        QtPrintForms forms(a->mainFrame());
        flyOffInfoPrinter(*a->race(), forms, a->printQueue())(info);
    };
}

}  // namespace korva
