#pragma once
// The program started in a test: scripted user and forms, settings in memory, folders of
// its own.

#include <gtest/gtest.h>

#include <QStringList>
#include <functional>
#include <memory>

#include "app/KORVARaceApp.h"
#include "support/RecordingQueue.h"
#include "support/ScriptedInteraction.h"
#include "support/ScriptedRaceForms.h"
#include "samples/SampleRace.h"
#include "support/TempFolder.h"

namespace korva::test {

class AppFixture : public ::testing::Test {
protected:
    AppFixture() { settings.setInt("Switches", "First Time", 3); }
    ~AppFixture() override {
        if (app) app->shutdown();
    }

    AppSetup setup(bool scriptedForms = true) {
        AppSetup s;
        s.ui = &ui;
        s.settings = &settings;
        s.forms = scriptedForms ? &forms : nullptr;
        s.workingFolder = work.path();
        s.desktopFolder = desk.file("Desktop");
        s.printQueue = &printed;  // never the machine's printer
        return s;
    }

    bool start(const QStringList& arguments = {}, bool scriptedForms = true) {
        app = std::make_unique<KORVARaceApp>(setup(scriptedForms));
        return app->start(QStringList{"korvarace"} + arguments);
    }

    // A sample race of three classes with matrices, saved in the work folder after `change`.
    std::string sampleRace(const std::string& name, int pilots = 9,
                           const std::function<void(KORVARaceDoc&)>& change = {});
    // A sample race of that size, changed by `adjust` before it is saved.
    std::string sampleRace(const std::string& name, const samples::SampleSize& size,
                           const std::function<void(KORVARaceDoc&)>& adjust = {});
    std::string masterPath() const { return work.file("KORVA_Pilots.KVP"); }

    ScriptedInteraction ui;
    MemorySettingsStore settings;
    ScriptedRaceForms forms;
    RecordingQueue printed;
    TempFolder work;
    TempFolder desk;
    std::unique_ptr<KORVARaceApp> app;
};

}  // namespace korva::test
