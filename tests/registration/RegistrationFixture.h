#pragma once
// A race of the three brackets with a scripted user and scripted forms.

#include <gtest/gtest.h>

#include <string>

#include "race/KORVARaceDoc.h"
#include "registration/PilotRegistration.h"
#include "registration/PlaneRegistration.h"
#include "support/ScriptedForms.h"
#include "support/ScriptedInteraction.h"

namespace korva::test {

class RegistrationTest : public ::testing::Test {
protected:
    RegistrationTest() {
        doc.class424Ama = 1;
        doc.class426 = 1;
        doc.classQ40 = 1;
        doc.saveReminder = 0;
    }

    // A form edit that enters a person in a class on a channel.
    static ScriptedForms::PilotEdit person(const std::string& id, const std::string& name,
                                           int classIndex, int channel) {
        return [=](PilotForm& f) {
            f.pilotId = id;
            f.firstName = name;
            f.lastName = name + "son";
            f.classIndex = classIndex;
            f.channel = channel;
        };
    }

    // Registers silently (a 72 MHz channel, a new ID); returns the pilot's number.
    std::int32_t add(const std::string& id, int classIndex, int channel) {
        forms.pilot(person(id, id, classIndex, channel));
        EXPECT_TRUE(registerPilot(doc, forms));
        return doc.pilots.back()->pilotNumber;
    }

    KORVAPilot& pilot(std::int32_t number) { return *doc.pilotByNumber(number); }

    ScriptedInteraction ui;
    FixedClock clock;
    MemorySettingsStore settings;
    RaceServices services{ui, clock, settings};
    KORVARaceDoc doc{services};
    ScriptedForms forms;
};

}  // namespace korva::test
