#pragma once
// What the race logic is given from outside: the user, time, randomness, settings, folders.

#include <functional>
#include <string>

#include "race/KORVAPilotMaster.h"
#include "ui/CRandom.h"
#include "ui/Clock.h"
#include "ui/Interaction.h"
#include "ui/SettingsStore.h"

namespace korva {

struct RaceServices {
    RaceServices(Interaction& ui_, const Clock& clock_, SettingsStore& settings_)
        : ui(ui_), clock(clock_), settings(settings_) {}

    Interaction& ui;
    const Clock& clock;
    SettingsStore& settings;
    CRandom random;
    // Trace log, master file and export files live here.
    std::string workingFolder = ".";
    // The current race file's name without its folder.
    std::string raceFileName;
    KORVAPilotMaster master;
    // Ends the program after a file from a newer version; the tests record instead.
    std::function<void()> endProgram = [] {};
};

}  // namespace korva
