// Storing a heat's result and refreshing the heat window of a full race (three brackets of
// 32 rounds of 32 four-lane heats), in the card layout the director watches while entering:
// the time from OK on the form to the list showing the new result.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QTreeView>

#include "OffscreenQt.h"
#include "app/AppCommands.h"
#include "app/views/KORVAHeatView.h"
#include "samples/FullRace.h"
#include "scoring/EnterResultsCommand.h"

namespace {

using namespace korva;

// The director presses OK on every form as it comes.
class AcceptingForms final : public HeatResultForms {
public:
    std::optional<KORVAHeatUpdateDlg> heatUpdate(const KORVAHeatUpdateDlg& f) override { return f; }
    std::optional<KORVAVerifyPilotScores> verifyPilotScores(
        const KORVAVerifyPilotScores& f) override {
        return f;
    }
    std::optional<KORVAEnterPilotScores> enterPilotScores(const KORVAEnterPilotScores& f) override {
        return f;
    }
};

// Argument 0: store and refill; 1: store, refill and draw the rows that show.
void BM_EnterResultsAndRefreshHeats(benchmark::State& state) {
    bench::startOffscreenQt();
    static samples::FullRace race;
    race.doc->saveReminder = 0;  // no save offered in the middle of the measurement
    CommandTable commands(nullptr);
    KORVAHeatView view(*race.doc, commands, nullptr);
    view.resize(1200, 700);
    view.show();
    view.setLayout(HeatListLayout::Cards);
    QWidget* rows = view.list()->viewport();
    QImage drawn(rows->size(), QImage::Format_ARGB32_Premultiplied);
    AcceptingForms forms;
    int heat = 0;
    for (auto _ : state) {
        const int bracket = heat % 3;
        const int round = 1 + (heat / 3) % 32;
        if (!enterResults(*race.doc, forms, bracket, round, 1 + heat % 32)) {
            state.SkipWithError("the result was not stored");
            break;
        }
        view.refresh(true);
        view.selectNextOpenHeat();
        if (state.range(0) == 1) rows->render(&drawn);
        ++heat;
    }
    state.counters["rows"] = view.rowCount();
}
BENCHMARK(BM_EnterResultsAndRefreshHeats)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
