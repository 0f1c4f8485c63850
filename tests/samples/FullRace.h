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

    // A result stored again with other points: the winner of the last heat of bracket 0
    // swaps between 4 and 3 points.
    void storeOneResult() {
        KORVAHeat& heat = *doc->raceMatrix.matrix(0).rounds.back()->heats.back();
        heat.lanePoints[0] = heat.lanePoints[0] == 4 ? 3 : 4;
    }
};

}  // namespace korva::samples
