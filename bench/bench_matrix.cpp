// Generation of a large bracket: 126 pilots in 4 lanes over 32 rounds, with byes spread
// over two lanes (3 extra rounds planned), once with the program's search and once with
// the literal search that copies every table for every trial.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "../tests/matrix/ReferenceScorer.h"
#include "matrix/MatrixGenerator.h"
#include "matrix/MatrixTrace.h"
#include "race/KORVARaceDoc.h"

namespace {

using namespace korva;

class YesUser final : public Interaction {
public:
    Answer ask(const Message& m) override {
        return m.buttons == Buttons::Ok || m.buttons == Buttons::OkCancel ? Answer::Ok
                                                                          : Answer::Yes;
    }
    void beginWait() override {}
    void endWait() override {}
    void refreshViews(bool) override {}
};

struct BigRace {
    BigRace() : services(user, clock, settings), doc(services) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "korva-bench-XXXXXX").string();
        folder = mkdtemp(pattern.data()) ? pattern : ".";
        services.workingFolder = folder;
        doc.class426 = 1;
        constexpr int kPilots = 126;
        for (int i = 1; i <= kPilots; ++i) {
            auto p = std::make_unique<KORVAPilot>(i);
            p->classIndex = 3;
            p->bracket = 1;
            p->channel = i <= 100 ? 99 + i : i - 89;  // every pilot on a channel of his own
            p->paid = p->signedWaiver = 1;
            doc.pilots.push_back(std::move(p));
        }
        doc.raceMatrix.RoundQuan = 32;
        doc.recountChannels();
    }
    ~BigRace() {
        std::error_code ignored;
        if (folder != ".") std::filesystem::remove_all(folder, ignored);
    }

    // One full generation; the matrix starts empty every time.
    void generate(const ScorerFactory& scorer) {
        doc.raceMatrix.matrix(1).rounds.clear();
        doc.raceMatrix.matrix(1).RoundCount = 0;
        MatrixTrace trace(folder);
        trace.newRun();
        GenerationOptions options;
        options.scorer = scorer;
        GenerationContext ctx{doc, trace, options};
        bool changed = false;
        if (!DoSingleMatrix(ctx, 1, 3, changed)) std::abort();
    }

    YesUser user;
    FixedClock clock;
    MemorySettingsStore settings;
    RaceServices services;
    KORVARaceDoc doc;
    std::string folder;
};

void BM_Generate126PilotsProgramSearch(benchmark::State& state) {
    BigRace race;
    for (auto _ : state) race.generate({});
}
BENCHMARK(BM_Generate126PilotsProgramSearch)->Unit(benchmark::kMillisecond);

void BM_Generate126PilotsLiteralSearch(benchmark::State& state) {
    BigRace race;
    for (auto _ : state) race.generate(test::ReferenceScorer::factory());
}
BENCHMARK(BM_Generate126PilotsLiteralSearch)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
