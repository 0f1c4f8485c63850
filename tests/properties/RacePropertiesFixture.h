#pragma once
// A race properties command with a scripted user, an in-memory store and a temporary folder.

#include <gtest/gtest.h>

#include <memory>

#include "race/KORVARaceDoc.h"
#include "properties/RacePropertiesEditor.h"
#include "support/ScriptedInteraction.h"
#include "support/ScriptedRaceForms.h"
#include "support/TempFolder.h"

namespace korva::test {

class RacePropertiesFixture : public ::testing::Test {
protected:
    RacePropertiesFixture() {
        host.newRaceFolder = folder.path();
        host.installRace = [this](std::unique_ptr<KORVARaceDoc> race) {
            installed = std::move(race);
        };
        host.refreshClassMenus = [this] { ++menuRefreshes; };
        host.regenerateFaiMatrix = [this](KORVARaceDoc&) { ++regenerations; };
    }

    // An open race of the given classes, as if loaded.
    KORVARaceDoc& openRace(bool fai = false) {
        race = std::make_unique<KORVARaceDoc>(services);
        race->class426 = fai ? 0 : 1;
        race->faiClass = fai ? 1 : 0;
        race->awardPlaces = 5;
        race->raceTitle = "Spring Cup";
        race->channelLimit = {2, 4, 0};
        race->laneColorCode = {"HR", "LG", "LR", "HG"};
        race->selectMenus();
        host.race = race.get();
        return *race;
    }

    // Properties form steps that tick the given class and press OK.
    static void tick426(RaceProperties& v) { v.class426 = true; }

    ScriptedInteraction ui;
    FixedClock clock;
    MemorySettingsStore settings;
    RaceServices services{ui, clock, settings};
    ScriptedRaceForms forms;
    TempFolder folder;
    RacePropertiesHost host{services, forms};
    std::unique_ptr<KORVARaceDoc> race;
    std::unique_ptr<KORVARaceDoc> installed;
    int menuRefreshes = 0;
    int regenerations = 0;
};

}  // namespace korva::test
