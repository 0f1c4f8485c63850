// The pilot window of a full race (999 pilots) refilled through its table model, as after
// every registration, and with the rows that show drawn, as the race director sees it; and
// the same after a stored result, with the standings run first.

#include <benchmark/benchmark.h>

#include <QImage>

#include "OffscreenQt.h"
#include "app/AppCommands.h"
#include "app/views/KORVAPilotView.h"
#include "samples/FullRace.h"
#include "scoring/Standings.h"

namespace {

using namespace korva;

// Argument 0: refill only; 1: refill and draw; 2: sort again only (an update without refill);
// 3: a result stored, the standings run, the window refilled and drawn.
void BM_PilotViewRefresh(benchmark::State& state) {
    bench::startOffscreenQt();
    static samples::FullRace race;
    RaceStandings standings(*race.doc);
    CommandTable commands(nullptr);
    KORVAPilotView view(*race.doc, commands, nullptr, &standings);
    view.resize(900, 700);
    view.show();
    view.refresh(true);
    QWidget* rows = view.list()->viewport();
    QImage drawn(rows->size(), QImage::Format_ARGB32_Premultiplied);
    const bool stored = state.range(0) == 3;
    for (auto _ : state) {
        if (stored) {
            race.storeOneResult();
            recomputeStandings(standings, false);
            standings.update();
        }
        view.refresh(state.range(0) != 2);
        if (state.range(0) == 1 || stored) rows->render(&drawn);
    }
    state.counters["rows"] = view.rowCount();
}
BENCHMARK(BM_PilotViewRefresh)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace
