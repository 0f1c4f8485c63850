// The korva tool: JSON dumps, resaving, and its error sentences.

#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/KorvaRun.h"
#include "race/FileIo.h"
#include "race/KORVAPilotMaster.h"
#include "samples/SampleRace.h"
#include "support/TestServices.h"
#include "support/TempFolder.h"

namespace korva {
namespace {

struct Cli : ::testing::Test, test::TestServices {
    test::TempFolder folder;
    std::ostringstream out, err;

    int run(std::vector<std::string> args) {
        out.str("");
        err.str("");
        return test::runKorva(args, out, err);
    }

    std::string writeSample(const std::string& name) {
        samples::SampleSize size;
        size.pilots = 5;
        size.rounds = 2;
        size.heatsPerRound = 2;
        auto doc = samples::makeRace(services, size);
        doc->pilots[0]->lastName = "Ch\xe2teau";  // Windows-1252 text becomes UTF-8 in JSON
        const std::string path = folder.file(name);
        doc->writeFile(path);
        return path;
    }

    void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
    }
};

TEST_F(Cli, DumpsARaceFileAsNestedJson) {
    const std::string path = writeSample("race.kvr");
    ASSERT_EQ(run({"dump", path}), 0) << err.str();
    const auto j = nlohmann::json::parse(out.str());
    EXPECT_EQ(j["kind"], "race");
    EXPECT_EQ(j["raceTitle"], "Sample Race");
    EXPECT_EQ(j["raceFileName"], "race.kvr");
    EXPECT_EQ(j["versionText"], "120");
    ASSERT_EQ(j["pilots"].size(), 5u);
    EXPECT_EQ(j["pilots"][0]["lastName"], "Ch\u00e2teau");
    EXPECT_EQ(j["pilots"][0]["flyOffTime"]["text"], "0:00.00");
    EXPECT_EQ(j["planes"][4]["planeNumber"], 5);
    const auto& heat = j["brackets"][0]["matrix"]["rounds"][1]["heats"][0];
    EXPECT_EQ(heat["heatNumber"], 1);
    EXPECT_EQ(heat["lanes"].size(), 4u);
    EXPECT_TRUE(heat["lanes"][0].contains("laneFinished"));
}

TEST_F(Cli, DumpsAMasterFile) {
    PilotArray pilots;
    pilots.push_back(std::make_unique<KORVAPilot>(samples::makePilot(3, 1, 20)));
    const std::string path = folder.file("KORVA_Pilots.KVP");
    writeBytes(path, KORVAPilotMaster::encode(pilots, clock));
    ASSERT_EQ(run({"dump", path}), 0) << err.str();
    const auto j = nlohmann::json::parse(out.str());
    EXPECT_EQ(j["kind"], "pilots");
    EXPECT_EQ(j["pilots"][0]["pilotId"], "ID3");
}

TEST_F(Cli, ErrorsAreOneClearSentenceWithStatusOne) {
    EXPECT_EQ(run({"dump", folder.file("missing.kvr")}), 1);
    EXPECT_NE(err.str().find("no such file"), std::string::npos) << err.str();
    EXPECT_TRUE(out.str().empty());

    const std::string path = writeSample("race.kvr");
    auto bytes = readWholeFile(path);
    bytes.resize(100);
    const std::string cut = folder.file("cut.kvr");
    writeBytes(cut, bytes);
    EXPECT_EQ(run({"dump", cut}), 1);
    EXPECT_NE(err.str().find("short or malformed at byte"), std::string::npos) << err.str();

    samples::SampleSize size;
    auto newer = samples::makeRace(services, size);
    newer->formatMarker = 101;
    newer->writeFile(folder.file("newer.kvr"));
    EXPECT_EQ(run({"resave", folder.file("newer.kvr"), folder.file("out.kvr")}), 1);
    EXPECT_NE(err.str().find("newer version"), std::string::npos) << err.str();
    EXPECT_FALSE(fileExists(folder.file("out.kvr")));

    EXPECT_EQ(run({"frobnicate"}), 2);
    EXPECT_EQ(run({}), 2);
}

TEST_F(Cli, ResaveWritesTheCurrentLayout) {
    const std::string path = writeSample("race.kvr");
    const std::string copy = folder.file("copy.kvr");
    ASSERT_EQ(run({"resave", path, copy}), 0) << err.str();
    ASSERT_EQ(run({"dump", copy}), 0);
    EXPECT_EQ(nlohmann::json::parse(out.str())["raceFileName"], "copy.kvr");
    // Apart from the name it records, the copy holds the same race.
    KORVARaceDoc a(services), b(services);
    a.loadFile(path);
    b.loadFile(copy);
    services.raceFileName = "same.kvr";
    EXPECT_EQ(a.encode(), b.encode());
}

}  // namespace
}  // namespace korva
