// The standings of a full race (999 pilots, three brackets of 32 completed rounds of 32
// four-lane heats), in a points race (0) and an FAI race (1): the whole computation that
// runs after every stored heat, and the values alone that the lists read.

#include <benchmark/benchmark.h>

#include "samples/FullRace.h"
#include "scoring/Standings.h"

namespace {

using namespace korva;

KORVARaceDoc& fullRace(std::int64_t fai) {
    static samples::FullRace race;
    race.doc->faiClass = static_cast<std::int32_t>(fai);
    return *race.doc;
}

void BM_RebuildStandings(benchmark::State& state) {
    RaceStandings standings(fullRace(state.range(0)));
    for (auto _ : state) {
        standings.rebuild();
        benchmark::DoNotOptimize(standings.totalTies());
    }
    state.counters["ties"] = standings.totalTies();
}
BENCHMARK(BM_RebuildStandings)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_UpdateStandingValues(benchmark::State& state) {
    RaceStandings standings(fullRace(state.range(0)));
    for (auto _ : state) {
        standings.update();
        benchmark::DoNotOptimize(standings.fastestOfBracket(0));
    }
}
BENCHMARK(BM_UpdateStandingValues)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
