#pragma once
// Races filled with made-up pilots, planes and complete heats.

#include <memory>

#include "race/KORVARaceDoc.h"

namespace korva::samples {

struct SampleSize {
    int pilots = 12;
    int rounds = 3;
    int heatsPerRound = 3;
    int lanes = 4;
    bool complete = true;  // every heat has results
};

// A race of the three brackets with the given field spread over them.
std::unique_ptr<KORVARaceDoc> makeRace(RaceServices& services, const SampleSize& size);

// A pilot with every field set to something recognisable.
KORVAPilot makePilot(int number, int classIndex, int channel);

}  // namespace korva::samples
