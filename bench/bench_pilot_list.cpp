// Refilling and sorting the pilot list of a full race: 999 pilots, three brackets of 32
// rounds of 32 four-lane heats, once per sort column.

#include <benchmark/benchmark.h>

#include "race/StandingsSource.h"
#include "samples/FullRace.h"
#include "views/PilotListRows.h"

namespace {

using namespace korva;

void BM_RefillAndSortPilotList(benchmark::State& state) {
    static samples::FullRace race;
    ZeroStandings standings;
    PilotListRows list(*race.doc, standings);
    list.setSortColumn(static_cast<PilotColumn>(state.range(0)));
    for (auto _ : state) {
        list.refill();
        benchmark::DoNotOptimize(list.rows().data());
    }
    state.counters["rows"] = static_cast<double>(list.rows().size());
}
BENCHMARK(BM_RefillAndSortPilotList)->DenseRange(0, 7)->Unit(benchmark::kMillisecond);

}  // namespace
