#pragma once
// A sample race in a temporary race folder with its html folder, and the pages read back.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "race/KORVARaceDoc.h"
#include "reports/PrintHeats.h"
#include "reports/ScriptedPrintForms.h"
#include "samples/SampleRace.h"
#include "support/TempFolder.h"
#include "support/TestServices.h"
#include "ui/Format.h"
#include "ui/Strings.h"

namespace korva::test {

inline int countOf(const std::string& text, const std::string& part) {
    int n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

struct HeatReportFixture : ::testing::Test {
    TestServices t;
    TempFolder race;
    RecordingQueue queue;
    ScriptedPrintForms forms;
    std::unique_ptr<KORVARaceDoc> doc;

    HeatReportFixture() {
        std::filesystem::create_directory(race.file("html"));
        makeRace({});
    }

    void makeRace(const samples::SampleSize& size) {
        doc = samples::makeRace(t.services, size);
        doc->raceFolder = race.path();
        t.services.raceFileName = "Spring.kvr";
    }

    // An FAI race of one bracket: three lanes a heat.
    void makeFaiRace(int rounds, int heatsPerRound) {
        makeRace({12, rounds, heatsPerRound, 3, true});
        doc->classQ40 = 1;
        doc->faiClass = 1;
        doc->class424Ama = 0;
        doc->class426 = 0;
        for (int b : {0, 1}) doc->raceMatrix.matrix(b).rounds.clear();
    }

    void setting(const char* key, int value) { t.settings.setInt("Defaults", key, value); }

    std::string page(const std::string& name) const {
        std::ifstream in(race.file("html/" + name), std::ios::binary);
        EXPECT_TRUE(in) << name << " was not written";
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::vector<std::string> files() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(race.file("html")))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    HeatPrintChoice choice(HeatReport report, int brackets = 7) const {
        return defaultHeatPrint(*doc, report, brackets);
    }

    std::vector<std::string> print(const HeatPrintChoice& c) {
        if (c.report == HeatReport::Cards || c.report == HeatReport::ChangedCards)
            t.ui.expect(str::kMatrixLocked);
        return PrintHeats(*doc, queue, c, true);
    }
};

}  // namespace korva::test
