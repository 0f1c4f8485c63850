// Writing the pilot list (the results sheet) of the largest race, 999 pilots in three
// classes, as quick print does it: fresh standings, sorted rows, the page written.

#include <benchmark/benchmark.h>

#include "BenchRaceFolder.h"
#include "reports/PrintPilots.h"

namespace {

using namespace korva;

void BM_WritePilotList(benchmark::State& state) {
    bench::RaceFolder r;
    if (r.folder.empty()) {
        state.SkipWithError("cannot create a temporary folder");
        return;
    }
    bench::NoQueue queue;
    const PilotReportChoice choice = defaultPilotReport(*r.race.doc);
    std::size_t pages = 0;
    for (auto _ : state) pages = PrintPilotList(*r.race.doc, queue, choice, false).size();
    state.counters["pages"] = static_cast<double>(pages);
}
BENCHMARK(BM_WritePilotList)->Unit(benchmark::kMillisecond);

}  // namespace
