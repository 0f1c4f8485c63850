// Refilling and sorting the pilot list of a full race: 999 pilots, three brackets of 32
// rounds of 32 four-lane heats, once per sort column; and the refresh after a stored result.

#include <benchmark/benchmark.h>

#include "samples/FullRace.h"
#include "scoring/Standings.h"
#include "views/PilotListRows.h"

namespace {

using namespace korva;

samples::FullRace& fullRace() {
    static samples::FullRace race;
    return race;
}

void BM_RefillAndSortPilotList(benchmark::State& state) {
    RaceStandings standings(*fullRace().doc);
    PilotListRows list(*fullRace().doc, standings);
    list.setSortColumn(static_cast<PilotColumn>(state.range(0)));
    for (auto _ : state) {
        list.refill();
        benchmark::DoNotOptimize(list.rows().data());
    }
    state.counters["rows"] = static_cast<double>(list.rows().size());
}
BENCHMARK(BM_RefillAndSortPilotList)->DenseRange(0, 7)->Unit(benchmark::kMillisecond);

// What follows a stored heat: the standings run by result entry, brought up to date by the
// refresh, and the list refilled and sorted by points.
void BM_StoreResultAndRefreshPilotList(benchmark::State& state) {
    RaceStandings standings(*fullRace().doc);
    PilotListRows list(*fullRace().doc, standings);
    for (auto _ : state) {
        fullRace().storeOneResult();
        recomputeStandings(standings, false);
        standings.update();
        list.refill();
        benchmark::DoNotOptimize(list.rows().data());
    }
}
BENCHMARK(BM_StoreResultAndRefreshPilotList)->Unit(benchmark::kMillisecond);

}  // namespace
