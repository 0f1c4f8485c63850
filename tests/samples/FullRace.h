#pragma once
// The largest race the program allows (999 pilots and planes, three brackets of 32 rounds
// of 32 complete four-lane heats), with a user who answers OK to everything.

#include <memory>

#include "samples/SampleRace.h"
#include "ui/Interaction.h"

namespace korva::samples {

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
        SampleSize size;
        size.pilots = 999;
        size.rounds = 32;
        size.heatsPerRound = 32;
        size.lanes = 4;
        doc = makeRace(services, size);
    }
};

}  // namespace korva::samples
