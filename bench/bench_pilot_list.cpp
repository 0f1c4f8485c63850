// Refilling and sorting the pilot list of a full race: 999 pilots, three brackets of 32
// rounds of 32 four-lane heats, once per sort column.

#include <benchmark/benchmark.h>

#include "race/StandingsSource.h"
#include "samples/SampleRace.h"
#include "ui/Interaction.h"
#include "views/PilotListRows.h"

namespace {

using namespace korva;

class SilentUser final : public Interaction {
public:
    Answer ask(const Message&) override { return Answer::Ok; }
    void beginWait() override {}
    void endWait() override {}
    void refreshViews(bool) override {}
};

struct FullRace {
    SilentUser ui;
    FixedClock clock;
    MemorySettingsStore settings;
    RaceServices services{ui, clock, settings};
    std::unique_ptr<KORVARaceDoc> doc;

    FullRace() {
        samples::SampleSize size;
        size.pilots = 999;
        size.rounds = 32;
        size.heatsPerRound = 32;
        doc = samples::makeRace(services, size);
    }
};

void BM_RefillAndSortPilotList(benchmark::State& state) {
    static FullRace race;
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
