#pragma once
// The largest race the program allows (999 pilots and planes, three brackets of 32 rounds
// of 32 complete four-lane heats), with a user who takes every default answer.

#include <memory>

#include "samples/SampleRace.h"
#include "samples/SilentInteraction.h"

namespace korva::samples {

struct FullRace {
    SilentInteraction ui;
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
