// Load and save of a full race: 999 pilots and planes, three brackets of 32 rounds of 32
// complete four-lane heats.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "race/FileIo.h"
#include "samples/FullRace.h"

namespace {

using namespace korva;

struct BigRace : samples::FullRace {
    std::string path = "/tmp/korva_bench_race.kvr";

    BigRace() { doc->writeFile(path); }
    ~BigRace() { std::remove(path.c_str()); }
};

BigRace& bigRace() {
    static BigRace race;
    return race;
}

void BM_LoadAndSaveRace(benchmark::State& state) {
    BigRace& race = bigRace();
    for (auto _ : state) {
        KORVARaceDoc doc(race.services);
        doc.loadFile(race.path);
        doc.writeFile(race.path);
        benchmark::DoNotOptimize(doc.pilots.size());
    }
    state.counters["bytes"] = static_cast<double>(readWholeFile(race.path).size());
}
BENCHMARK(BM_LoadAndSaveRace)->Unit(benchmark::kMillisecond);

// The same without the disk: encoding and decoding only.
void BM_EncodeDecodeRace(benchmark::State& state) {
    BigRace& race = bigRace();
    for (auto _ : state) {
        KORVARaceDoc doc(race.services);
        doc.loadBytes(race.doc->encode());
        benchmark::DoNotOptimize(doc.encode().size());
    }
}
BENCHMARK(BM_EncodeDecodeRace)->Unit(benchmark::kMillisecond);

}  // namespace
