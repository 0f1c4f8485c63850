// Filling the heat list of a full race: three brackets of 32 rounds of 32 four-lane heats,
// every bracket and one bracket.

#include <benchmark/benchmark.h>

#include "samples/FullRace.h"
#include "views/HeatListRows.h"

namespace {

using namespace korva;

void BM_HeatSheetRows(benchmark::State& state) {
    static samples::FullRace race;
    const int filter = static_cast<int>(state.range(0));
    std::size_t rows = 0;
    for (auto _ : state) {
        const auto list = heatSheetRows(*race.doc, filter);
        rows = list.size();
        benchmark::DoNotOptimize(list.data());
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_HeatSheetRows)->Arg(-1)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
