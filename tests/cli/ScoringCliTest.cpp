// korva results, standings and finish on a small race: bracket 0 holds pilots 1, 4, 7 and 10,
// who fly lanes 1 to 4 of the one heat of each of its two rounds.

#include <gtest/gtest.h>

#include <functional>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/KorvaRun.h"
#include "race/FileIo.h"
#include "race/KORVARaceDoc.h"
#include "samples/SampleRace.h"
#include "support/TempFolder.h"
#include "support/TestServices.h"

namespace korva::test {
namespace {

using Args = std::vector<std::string>;
using Json = nlohmann::ordered_json;

class ScoringCli : public ::testing::Test, public TestServices {
protected:
    void write(const std::function<void(KORVARaceDoc&)>& adjust = {}) {
        auto doc = samples::makeRace(services, {12, 2, 1, 4, false});
        if (adjust) adjust(*doc);
        doc->writeFile(race);
    }
    KORVAHeat& heat(KORVARaceDoc& doc, int round) {
        return *doc.raceMatrix.matrix(0).roundAt(round - 1)->heatAt(0);
    }
    int run(Args args) {
        out.str("");
        err.str("");
        args.insert(args.begin() + 1, race);
        return runKorva(args, out, err);
    }
    // Heat 1 of a round of bracket 0, four valid lanes, then ARGS (a later lane counts).
    int results(int round, const Args& more) {
        Args args{"results", "--bracket=0", "--round=" + std::to_string(round), "--heat=1"};
        for (const char* lane :
             {"1=1,1:30.00,0", "2=2,1:31.00,0", "3=3,1:32.00,0", "4=4,1:33.00,0"})
            args.insert(args.end(), {"--lane", lane});
        args.insert(args.end(), more.begin(), more.end());
        return run(args);
    }
    std::unique_ptr<KORVARaceDoc> load() {
        auto doc = std::make_unique<KORVARaceDoc>(services);
        doc->loadFile(race);
        return doc;
    }
    Json standings(const Args& more = {}) {
        Args args{"standings"};
        args.insert(args.end(), more.begin(), more.end());
        EXPECT_EQ(run(args), 0) << err.str();
        return Json::parse(out.str());
    }
    bool said(const std::string& text) const { return err.str().find(text) != std::string::npos; }

    TempFolder folder;
    std::string race = folder.file("race.kvr");
    std::ostringstream out, err;
};

std::vector<std::string> keysOf(const Json& object) {
    std::vector<std::string> keys;
    for (const auto& item : object.items()) keys.push_back(item.key());
    return keys;
}

std::vector<int> column(const Json& bracket, const char* key) {
    std::vector<int> values;
    for (const Json& e : bracket["standings"]) values.push_back(e[key].get<int>());
    return values;
}

TEST_F(ScoringCli, AHeatEnteredShowsInTheStandingsAndCanBeCorrectedLaneByLane) {
    write();
    ASSERT_EQ(results(1, {"--lane", "1=2,1:30.00,0", "--lane", "2=1,1:28.00,0", "--lane", "3=dns",
                          "--lane", "4=3,1:35.00,1"}),
              0)
        << err.str();
    EXPECT_TRUE(
        said("[Enter Results Round 1 Heat 1] lane 1 First1 Last1: finish 2, 1:30.00, "
             "Cuts 0; lane 2 First4 Last4: finish 1, 1:28.00, Cuts 0; lane 3 First7 "
             "Last7: DNS; lane 4 First10 Last10: finish 3, 1:35.00, Cuts 1\n"))
        << err.str();
    EXPECT_TRUE(
        said("[Verify Pilot Scores] lane 1 First1 Last1: 3; lane 2 First4 Last4: 4; "
             "lane 3 First7 Last7: 0; lane 4 First10 Last10: 2\n"));
    const auto doc = load();
    EXPECT_EQ(heat(*doc, 1).lanePoints, (std::array<std::int32_t, 4>{3, 4, 0, 2}));
    EXPECT_EQ(heat(*doc, 1).laneStarted[2], 0);
    EXPECT_EQ(heat(*doc, 1).laneTime[2].totalHundredths, 0);  // DNS clears the time shown
    Json b0 = standings()["brackets"][0];
    EXPECT_EQ(b0["completedRounds"], 1);
    EXPECT_EQ(column(b0, "pilot"), (std::vector<int>{4, 1, 10, 7}));
    EXPECT_EQ(column(b0, "total"), (std::vector<int>{4, 3, 2, 0}));
    EXPECT_EQ(column(b0, "bestTime"), (std::vector<int>{8800, 9000, 9500, 0}));
    EXPECT_EQ(b0["standings"][2]["bestTimeCut"], true);
    EXPECT_EQ(b0["standings"][0]["lane"], 1);

    // Entered again, the heat starts from what it holds: only lane 3 changes.
    ASSERT_EQ(run({"results", "--bracket=0", "--round=1", "--heat=1", "--lane", "3=4,1:40.00,0"}),
              0)
        << err.str();
    b0 = standings()["brackets"][0];
    EXPECT_EQ(column(b0, "total"), (std::vector<int>{4, 3, 2, 1}));
}

TEST_F(ScoringCli, EveryRefusalExitsOneAndLeavesTheFileAsItWas) {
    write([this](KORVARaceDoc& doc) { heat(doc, 2).lanePilot[3] = 0; });
    const auto before = readWholeFile(race);
    const std::vector<std::pair<Args, std::string>> cases = {
        {{"--lane", "2=1,1:31.00,0"}, "[70128] Finish positions must all be different.\n"},
        {{"--lane", "4=4,1:33.00,2"}, "[70126] The finish position must be between 1 and 3\n"},
        {{"--lane", "1=1,1:20.00,0", "--answer", "70125=no"},
         "[70125] The time 1:20.00 for lane 1 appears to be too low.\nIs it correct ? -> No\n"},
        {{"--lane", "1=1:30.00,0"}, "korva: lane 1: a points race takes FIN,M:SS.HH,CUTS"},
        {{"--points", "1=5"}, "korva: --points is for races whose points are entered by hand"},
        {{"--heat", "2"}, "korva: bracket 0 has no heat 2 in round 1\n"},
        {{"--round", "2", "--lane", "4=DNS"}, "korva: lane 4 of round 2 heat 1 holds no pilot\n"},
    };
    for (const auto& [more, expected] : cases) {
        EXPECT_EQ(results(1, more), 1) << expected;
        EXPECT_TRUE(said(expected)) << err.str();
        EXPECT_EQ(readWholeFile(race), before) << expected;
    }
    EXPECT_TRUE(said("korva: the results were not stored\n"));
    EXPECT_EQ(run({"standings", "--final"}), 0);
    EXPECT_EQ(readWholeFile(race), before);  // the standings save nothing
}

TEST_F(ScoringCli, AnFaiHeatIsScoredInHundredths) {
    write([](KORVARaceDoc& doc) { doc.faiClass = 1; });
    EXPECT_EQ(results(1, {}), 1);  // finish positions belong to points races
    ASSERT_EQ(
        run({"results", "--bracket", "0", "--round", "1", "--heat", "1", "--lane", "1=1:05.43,1",
             "--lane", "2=0:49.99,0", "--lane", "3=DNF", "--lane", "4=0:00.00,2"}),
        0)
        << err.str();
    EXPECT_TRUE(said("lane 1 First1 Last1: 1:05.43, Infringements 1;"));
    EXPECT_TRUE(
        said("[70125] The time 0:49.99 for lane 2 appears to be too low.\n"
             "Is it correct ? -> Yes\n"));
    EXPECT_TRUE(
        said("[Verify Pilot Scores] lane 1 First1 Last1: 71.97; lane 2 First4 Last4: "
             "49.99; lane 3 First7 Last7: 200.00; lane 4 First10 Last10: 200.00\n"));
    EXPECT_EQ(heat(*load(), 1).lanePoints, (std::array<std::int32_t, 4>{7197, 4999, 20000, 20000}));
    EXPECT_EQ(standings()["brackets"][0]["standings"][0]["bestTime"], 4999);  // the low score
}

TEST_F(ScoringCli, ManualPointsComeFromThePointsOption) {
    write([](KORVARaceDoc& doc) { doc.heatScoring = 2; });
    EXPECT_EQ(results(1, {"--points", "2=150"}), 1);
    EXPECT_TRUE(said("[70102] ")) << err.str();
    ASSERT_EQ(results(1, {"--points", "2=7", "--points", "3=-2"}), 0) << err.str();
    EXPECT_TRUE(
        said("[Enter Pilot Scores] lane 1 First1 Last1: 4; lane 2 First4 Last4: 7; "
             "lane 3 First7 Last7: -2; lane 4 First10 Last10: 1\n"));
    EXPECT_EQ(heat(*load(), 1).lanePoints, (std::array<std::int32_t, 4>{4, 7, -2, 1}));
}

TEST_F(ScoringCli, StandingsJsonHasTheDocumentedShapeAndMarksTies) {
    // Pilots 7 and 10 tie for third place, on one channel.
    write([this](KORVARaceDoc& doc) {
        doc.raceMatrix.Matrixed[1] = 0;
        doc.raceMatrix.matrix(1).rounds.clear();
        doc.resolveTiesByFlyOff = 1;
        doc.pilotByNumber(10)->channel = doc.pilotByNumber(7)->channel;
        KORVAHeat& h = heat(doc, 1);
        h.lanePoints = {4, 3, 2, 2};
        for (std::size_t l = 0; l < 4; ++l)
            h.laneTime[l].setTotal(9000 + 100 * static_cast<int>(l));
        h.complete = 1'700'000'000;
    });
    const Json j = standings({"--final"});
    EXPECT_EQ(keysOf(j), (std::vector<std::string>{"totalTies", "brackets"}));
    EXPECT_EQ(j["totalTies"], 1);
    ASSERT_EQ(j["brackets"].size(), 2u);
    EXPECT_EQ(j["brackets"][1]["bracket"], 2);
    const Json& b0 = j["brackets"][0];
    EXPECT_EQ(keysOf(b0), (std::vector<std::string>{
                              "bracket", "className", "completedRounds", "listed", "ties",
                              "pilotsInvolved", "channelConflicts", "laneConflicts", "standings"}));
    EXPECT_EQ(b0["className"], "424");
    EXPECT_EQ(b0["ties"], 1);
    EXPECT_EQ(b0["pilotsInvolved"], 2);
    EXPECT_EQ(b0["channelConflicts"], 1);  // one pair
    EXPECT_EQ(b0["laneConflicts"], 0);
    EXPECT_EQ(
        keysOf(b0["standings"][0]),
        (std::vector<std::string>{"pilot", "total", "bestTime", "bestTimeCut", "channel", "lane",
                                  "tied", "channelConflict", "laneConflict", "flyOffPoints"}));
    EXPECT_EQ(column(b0, "pilot"), (std::vector<int>{1, 4, 7, 10}));
    EXPECT_EQ(column(b0, "tied"), (std::vector<int>{0, 0, 1, 1}));
    EXPECT_EQ(column(b0, "channelConflict"), (std::vector<int>{0, 0, 1, 1}));
    EXPECT_EQ(column(b0, "flyOffPoints"), (std::vector<int>{-1, -1, 0, 0}));
    EXPECT_TRUE(
        said("[70152] There is a tie in the 424 class involving 2 pilots\n\n"
             "There IS a channel conflict\n\nThere are no lane conflicts"))
        << err.str();
    EXPECT_TRUE(said("[70165] ")) << err.str();  // Yes lists the pilots
    standings();
    EXPECT_TRUE(err.str().empty()) << err.str();  // messages only with --final
}

TEST_F(ScoringCli, FinishAnsweredNoChangesNothing) {
    write();
    EXPECT_EQ(run({"finish"}), 1);
    EXPECT_TRUE(said("korva: nothing to finish")) << err.str();
    ASSERT_EQ(results(1, {}), 0) << err.str();
    const auto before = readWholeFile(race);
    EXPECT_EQ(run({"finish", "--answer", "70164=no"}), 1);
    EXPECT_TRUE(
        said("[70164] Are you sure you want to finish before all rounds are complete -> "
             "No\nkorva: the race was not finished\n"))
        << err.str();
    EXPECT_EQ(readWholeFile(race), before);

    ASSERT_EQ(run({"finish"}), 0) << err.str();
    EXPECT_TRUE(said("[70150] The race is set to not use fly-offs")) << err.str();
    EXPECT_EQ(load()->raceFinished, 1);
    // No on a finished race takes the finish back, and that is saved.
    ASSERT_EQ(run({"finish", "--answer", "70164=no"}), 0) << err.str();
    EXPECT_EQ(load()->raceFinished, 0);
}

}  // namespace
}  // namespace korva::test
