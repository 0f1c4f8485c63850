#pragma once
// The injected services every test of the race logic needs, with a scripted user.

#include "race/RaceServices.h"
#include "support/ScriptedInteraction.h"

namespace korva::test {

struct TestServices {
    ScriptedInteraction ui;
    FixedClock clock{1'700'000'000};
    MemorySettingsStore settings;
    RaceServices services{ui, clock, settings};
};

}  // namespace korva::test
