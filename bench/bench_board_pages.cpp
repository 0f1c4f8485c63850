// Every page of the results board over a full race (999 pilots, three brackets of 32 rounds
// of 32 four-lane heats), built from standings already rebuilt after the last change.

#include <benchmark/benchmark.h>

#include <memory>

#include "reports/board/BoardPage.h"
#include "samples/FullRace.h"
#include "scoring/Standings.h"

namespace {

using namespace korva;

constexpr const char* kPaths[] = {"/",          "/standings/424",  "/heats/424",
                                  "/pilot/500", "/standings.json", "/heats.json"};

const RaceStandings& fullStandings() {
    static samples::FullRace race;
    static const std::unique_ptr<RaceStandings> standings = [] {
        auto s = std::make_unique<RaceStandings>(*race.doc);
        s->rebuild();
        return s;
    }();
    return *standings;
}

void BM_BoardPage(benchmark::State& state) {
    const RaceStandings& standings = fullStandings();
    const char* path = kPaths[state.range(0)];
    std::size_t bytes = 0;
    for (auto _ : state) {
        const BoardResponse response = boardPage(standings, path, "12:00:00");
        bytes = response.body.size();
        benchmark::DoNotOptimize(response.body.data());
    }
    state.SetLabel(path);
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_BoardPage)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

}  // namespace
