// Writing every heat card of a full race (three brackets of 32 rounds of 32 four-lane heats)
// as a print run does it, stale pages and all; and the heat sheet of the same race.

#include <benchmark/benchmark.h>

#include "BenchRaceFolder.h"
#include "reports/PrintHeats.h"

namespace {

using namespace korva;
using bench::NoQueue;
using bench::RaceFolder;

void run(benchmark::State& state, HeatReport report) {
    RaceFolder r;
    if (r.folder.empty()) {
        state.SkipWithError("cannot create a temporary folder");
        return;
    }
    NoQueue queue;
    HeatPrintChoice choice = defaultHeatPrint(*r.race.doc, report, 7);
    choice.options.icons = true;
    choice.options.wingFlags = WingFlags::NoseUp;
    std::size_t pages = 0;
    for (auto _ : state) pages = PrintHeats(*r.race.doc, queue, choice, false).size();
    state.counters["pages"] = static_cast<double>(pages);
}

void BM_WriteAllHeatCards(benchmark::State& state) {
    run(state, HeatReport::Cards);
}
BENCHMARK(BM_WriteAllHeatCards)->Unit(benchmark::kMillisecond);

void BM_WriteHeatSheet(benchmark::State& state) {
    run(state, HeatReport::Sheets);
}
BENCHMARK(BM_WriteHeatSheet)->Unit(benchmark::kMillisecond);

}  // namespace
