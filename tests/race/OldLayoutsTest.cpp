// Race files of every older layout load with the documented defaults and are written back
// in the current layout, which then reloads to the same document.

#include <gtest/gtest.h>

#include "race/Archive.h"
#include "race/RaceFileBytes.h"
#include "samples/SampleRace.h"
#include "support/TestServices.h"

namespace korva {
namespace {

using test::ByteBuilder;
using test::HeaderSpec;
using test::PilotLayout;

struct OldLayouts : ::testing::Test, test::TestServices {

    std::unique_ptr<KORVARaceDoc> load(const std::vector<std::uint8_t>& bytes) {
        auto doc = std::make_unique<KORVARaceDoc>(services);
        doc->loadBytes(bytes);
        return doc;
    }

    // Saving in the current layout and reading that back changes nothing.
    void expectStableResave(KORVARaceDoc& doc) {
        const auto saved = doc.encode();
        auto again = load(saved);
        EXPECT_EQ(again->encode(), saved);
        EXPECT_EQ(again->versionText, "120");
    }

    static std::vector<std::uint8_t> raceFile(const HeaderSpec& h, int channelEntries) {
        ByteBuilder b;
        test::headerBytes(b, h);
        b.count(0).count(0);
        test::emptyMatrixSectionBytes(b, channelEntries);
        return b.bytes();
    }
};

struct Expected {
    int version;
    int raceFinished, heatScoring, saveReminder, maxThreeLanes, userClass;
    const char* userClassName;
    int faiClass;
    const char* firstLaneColor;
    int rotateEvery, channelSortOrder, cardPrintCounter, channelEntries;
};

TEST_F(OldLayouts, HeaderOfEveryVersionTakesItsDefaults) {
    const Expected cases[] = {
        {103, 0, 0, 10, 0, 0, "MyClassName", 0, "LG", 0, 0, 0, 60},
        {104, 1, 2, 5, 0, 0, "MyClassName", 0, "LG", 0, 0, 0, 60},
        {108, 1, 2, 5, 1, 0, "MyClassName", 0, "LG", 0, 0, 0, 60},
        {110, 1, 2, 5, 1, 1, "Pylon", 0, "LG", 0, 0, 0, 60},
        {111, 1, 2, 5, 1, 1, "Pylon", 0, "LG", 0, 0, 0, 60},
        {112, 1, 2, 5, 1, 1, "Pylon", 0, "LG", 0, 0, 0, 200},
        {114, 1, 2, 5, 1, 1, "Pylon", 1, "HR", 2, 0, 0, 200},
        {115, 1, 2, 5, 1, 1, "Pylon", 1, "HR", 2, 0, 0, 200},
        {116, 1, 2, 5, 1, 1, "Pylon", 1, "HR", 2, 1, 0, 200},
        {119, 1, 2, 5, 1, 1, "Pylon", 1, "HR", 2, 1, 0, 200},
        {120, 1, 2, 5, 1, 1, "Pylon", 1, "HR", 2, 1, 9, 200},
    };
    for (const Expected& e : cases) {
        SCOPED_TRACE(e.version);
        HeaderSpec h;
        h.version = e.version;
        auto doc = load(raceFile(h, e.channelEntries));
        EXPECT_EQ(doc->versionText, "120");
        EXPECT_EQ(doc->raceTitle, "Old Race");
        EXPECT_EQ(doc->raceFinished, e.raceFinished);
        EXPECT_EQ(doc->heatScoring, e.heatScoring);
        EXPECT_EQ(doc->saveReminder, e.saveReminder);
        EXPECT_EQ(doc->maxThreeLanes, e.maxThreeLanes);
        EXPECT_EQ(doc->userClass, e.userClass);
        EXPECT_EQ(doc->userClassName, e.userClassName);
        EXPECT_EQ(doc->faiClass, e.faiClass);
        EXPECT_EQ(doc->laneColorCode[0], e.firstLaneColor);
        EXPECT_EQ(doc->rotateEvery, e.rotateEvery);
        EXPECT_EQ(doc->channelSortOrder, e.channelSortOrder);
        EXPECT_EQ(doc->cardPrintCounter, e.cardPrintCounter);
        // Always read: step 12 and what follows the channel tables.
        EXPECT_EQ(doc->printResolution, 150);
        EXPECT_EQ(doc->totalTies, 2);
        EXPECT_EQ(doc->raceMatrix.RoundQuan, 7);
        EXPECT_EQ(doc->raceMatrix.MaxHeatsPerRound, 4);
        EXPECT_EQ(doc->locked424, 1);
        EXPECT_EQ(doc->lockedThird, 1);
        EXPECT_EQ(doc->wingFlagSet, 1);
        expectStableResave(*doc);
    }
}

TEST_F(OldLayouts, OldestHeaderSkipsItsBlockAndTakesDefaults) {
    HeaderSpec h;
    h.version = 100;
    h.oldestMarker = true;
    auto doc = load(raceFile(h, 60));
    EXPECT_EQ(doc->formatMarker, 100);
    EXPECT_EQ(doc->staggeredStart, 1);
    EXPECT_EQ(doc->fastRegistration, 0);
    EXPECT_EQ(doc->printResolution, 96);
    EXPECT_EQ(doc->colorPrinting, 1);
    EXPECT_EQ(doc->pilotCardsPrintedAt, 0);
    EXPECT_EQ(doc->totalTies, 0);
    EXPECT_EQ(doc->resolveTiesByFlyOff, 0);
    EXPECT_EQ(doc->minLanes, (std::array<std::int32_t, 3>{3, 3, 3}));
    EXPECT_EQ(doc->saveReminder, 10);
    EXPECT_EQ(doc->userClassName, "MyClassName");
    // Re-saved, it must not claim the oldest layout again.
    EXPECT_EQ(doc->versionText, "120");
    EXPECT_EQ(doc->raceMatrix.RoundQuan, 7);
    expectStableResave(*doc);
}

TEST_F(OldLayouts, OldestRecordsOfEveryKind) {
    HeaderSpec h;
    h.version = 110;
    ByteBuilder b;
    test::headerBytes(b, h);

    KORVAPilot oldest = samples::makePilot(1, 2, 30);
    oldest.modifiedAt = 99;
    oldest.flyOffPoints = 4;
    KORVAPilot before118 = samples::makePilot(2, 2, 31);
    before118.flyOffPoints = 3;
    KORVAPilot current = samples::makePilot(3, 3, 32);
    current.flyOffCuts = 1;
    current.flyOffTime.setTotal(7777);
    b.count(3).newClass("KORVAPilot");
    test::pilotBytes(b, oldest, PilotLayout::Oldest, "dq", "t");  // lower case: not the flags
    b.classRef(1);
    test::pilotBytes(b, before118, PilotLayout::Before118, "DQ", "T");
    b.classRef(1);
    test::pilotBytes(b, current);

    KORVAPlane plane;
    plane.planeNumber = 1;
    plane.pilotNumber = 1;
    plane.type = "Old";
    b.count(2).newClass("KORVAPlane");  // class 5
    test::planeBytes(b, plane, true);
    b.word(0);  // a null element holds nothing

    // Bracket 0 with a matrix record of version 0 and one old round with one old heat.
    b.ints({0, 1, 2, 0, -1, 1});
    b.ints({2, 3, 1, 5, 6, 0, 0}).spare(20).i32(0).zeros(19 + 20 + 20).doubles(20).zeros(20);
    KORVARound round;
    round.heatCount = 1;
    round.roundValue2 = 1;
    round.roundValue5 = 3;
    b.count(1).newClass("KORVARound");
    test::roundHeadBytes(b, round, true);
    KORVAHeat heat;
    heat.heatNumber = 1;
    heat.lanePilot = {1, 2, 0, 0};
    heat.laneTime[0].setTotal(9000);
    b.count(1).newClass("KORVAHeat");
    for (std::size_t l = 0; l < 4; ++l) {  // lane times of the oldest layout too
        b.i32(heat.lanePilot[l]);
        test::heatTimeBytes(b, heat.laneTime[l], true);
        b.ints({0, 0, 0, 1, 1, 0});
    }
    b.ints({4, 1, 4, 0, 0}).spare(80).i32(0).zeros(79 + 80 + 80).doubles(80).zeros(80);
    for (int bracket = 1; bracket < 3; ++bracket) {
        b.ints({0, 0, 0, 0, -1, 0});
        b.ints({-1, 0, 0, 0, 0, 0, 0}).spare(20).i32(100).count(0);
    }
    for (int t = 0; t < 3 * 60; ++t) b.i32(0);
    b.ints({1, 1, 1, 1, 1, 0}).spare(160).i32(0).zeros(159 + 160 + 160).doubles(160).zeros(160);

    auto doc = load(b.bytes());
    ASSERT_EQ(doc->pilots.size(), 3u);
    const KORVAPilot& p1 = *doc->pilots[0];
    EXPECT_EQ(p1.recordVersion, 100);
    EXPECT_EQ(p1.modifiedAt, 0);
    EXPECT_EQ(p1.flyOffPoints, -1);
    EXPECT_EQ(p1.flyOffCuts, 0);
    EXPECT_EQ(p1.dqFlag, 0);
    EXPECT_EQ(p1.lane1Affinity, 0);
    EXPECT_EQ(p1.versionText, "120");
    EXPECT_EQ(p1.lastName, "Last1");
    const KORVAPilot& p2 = *doc->pilots[1];
    EXPECT_EQ(p2.flyOffPoints, 3);
    EXPECT_EQ(p2.flyOffCuts, 0);
    EXPECT_EQ(p2.flyOffTime.totalHundredths, 0);
    EXPECT_EQ(p2.dqFlag, 1);
    EXPECT_EQ(p2.lane1Affinity, 1);
    EXPECT_EQ(p2.versionText, "120");
    EXPECT_EQ(doc->pilots[2]->flyOffTime.totalHundredths, 7777);
    ASSERT_EQ(doc->planes.size(), 1u);
    EXPECT_EQ(doc->planes[0]->type, "Old");
    EXPECT_EQ(doc->planes[0]->recordVersion, 100);

    const KORVAMatrix& m = doc->raceMatrix.matrix(0);
    EXPECT_EQ(m.Version, 100);
    EXPECT_EQ(m.MatrixTime[0], clock.now());  // the oldest matrix takes the time of loading
    ASSERT_EQ(m.rounds.size(), 1u);
    EXPECT_EQ(m.rounds[0]->recordVersion, 100);
    ASSERT_EQ(m.rounds[0]->heats.size(), 1u);
    const KORVAHeat& loaded = *m.rounds[0]->heats[0];
    EXPECT_EQ(loaded.modifiedAt, 0);
    EXPECT_EQ(loaded.recordVersion, 100);
    EXPECT_EQ(loaded.laneTime[0].totalHundredths, 9000);
    EXPECT_EQ(loaded.laneTime[0].recordVersion, 100);
    EXPECT_EQ(loaded.round, m.rounds[0].get());
    EXPECT_EQ(doc->raceMatrix.Version, 100);
    // The recount replaced the stored summary with the pilots' own.
    EXPECT_EQ(doc->raceMatrix.BracketPilotCount[0], 1);  // pilot 2 is disqualified
    EXPECT_EQ(doc->raceMatrix.BracketPilotCount[1], 1);
    expectStableResave(*doc);
}

TEST_F(OldLayouts, NewerFilesAreRefusedBeforeAnythingIsUsed) {
    HeaderSpec h;
    ByteBuilder full;
    test::headerBytes(full, h);
    full.count(0).count(0);
    test::emptyMatrixSectionBytes(full, 200);
    auto file = full.bytes();
    // The format marker sits where the oldest layout's block would begin.
    HeaderSpec oldest = h;
    oldest.oldestMarker = true;
    ByteBuilder upToMarker;
    test::headerBytes(upToMarker, oldest);
    const std::size_t oldestBlock = 4 * (36 + 40 + 40) + 8 * 40 + 4 * 40;
    file[upToMarker.size() - oldestBlock - 4] = 101;
    try {
        load(file);
        ADD_FAILURE() << "a newer race file loaded";
    } catch (const NewerVersionError& e) {
        EXPECT_EQ(e.fileKind(), "Race");
    }

    // A pilot of a newer record layout, and one of a newer version text.
    for (auto [versionText, recordVersion] : {std::pair{"120", 101}, {"121", 100}}) {
        KORVAPilot p = samples::makePilot(1, 1, 20);
        ByteBuilder b;
        test::headerBytes(b, h);
        b.count(1).newClass("KORVAPilot");
        ByteBuilder record;
        test::pilotBytes(record, p);
        auto rec = record.bytes();
        // Patch the version text and record version in place.
        const std::string current = std::string("\x03") + "120";
        auto at = std::search(rec.begin(), rec.end(), current.begin(), current.end());
        ASSERT_NE(at, rec.end());
        std::copy(versionText, versionText + 3, at + 1);
        const std::size_t rv = static_cast<std::size_t>(at - rec.begin()) + 4 + 31 * 2 + 4;
        rec[rv] = static_cast<std::uint8_t>(recordVersion);
        b.append(rec).count(0);
        test::emptyMatrixSectionBytes(b, 200);
        try {
            load(b.bytes());
            ADD_FAILURE() << "a newer pilot record loaded";
        } catch (const NewerVersionError& e) {
            // Inside a race file it is the race file the user has to upgrade for.
            EXPECT_EQ(e.fileKind(), "Race");
        }
    }
}

}  // namespace
}  // namespace korva
