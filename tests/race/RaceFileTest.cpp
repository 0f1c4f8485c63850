// The race file written byte for byte, and read back.

#include <gtest/gtest.h>

#include "race/Archive.h"
#include "race/RaceFileBytes.h"
#include "samples/SampleRace.h"
#include "support/TestServices.h"

namespace korva {
namespace {

using test::ByteBuilder;

void setHeader(KORVARaceDoc& d, const test::HeaderSpec& h) {
    d.raceTitle = h.title;
    d.maxLanes = {4, 4, 3};
    d.minLanes = {3, 2, 3};
    d.class426 = 1;
    d.classQ40 = 1;
    d.class424Ama = 0;
    d.class424Apra = 1;
    d.matrixType = 0;
    d.menuIds = {11, 12, 13, 14, 15, 16};
    d.awardPlaces = 5;
    d.printFont = "Courier";
    d.printTitleFont = "Times";
    d.heatCardLaneColors = 0;
    d.heatCardPageBreak = 1;
    d.wingFlagSet = 1;
    d.rotationKind = 1;
    d.locked424 = 1;
    d.locked426 = 0;
    d.lockedThird = 1;
    d.showInactive = 0;
    d.timingFileWanted = 1;
    d.channelLimit = {h.channelLimit[0], h.channelLimit[1], h.channelLimit[2]};
    d.staggeredStart = 0;
    d.fastRegistration = 1;
    d.printResolution = 150;
    d.colorPrinting = 0;
    d.pilotCardsPrintedAt = 1'500'000'000;
    d.reservedC = 7;
    d.totalTies = 2;
    d.resolveTiesByFlyOff = 1;
    d.raceFinished = h.raceFinished;
    d.heatScoring = h.heatScoring;
    d.saveReminder = h.saveReminder;
    d.maxThreeLanes = h.maxThreeLanes;
    d.userClass = h.userClass;
    d.userClassName = h.userClassName;
    d.faiClass = h.faiClass;
    d.laneColorCode = h.laneColors;
    d.rotateEvery = h.rotateEvery;
    d.channelSortOrder = h.channelSortOrder;
    d.cardPrintCounter = h.cardPrintCounter;
}

struct RaceFile : ::testing::Test, test::TestServices {};

TEST_F(RaceFile, SmallRaceIsWrittenByteForByte) {
    test::HeaderSpec spec;
    spec.title = "Golden";
    spec.raceFileName = "golden.kvr";
    services.raceFileName = spec.raceFileName;

    KORVARaceDoc doc(services);
    setHeader(doc, spec);
    auto pilot = std::make_unique<KORVAPilot>(samples::makePilot(1, 1, 22));
    pilot->planeCount = 1;
    pilot->planeNumbers[0] = 1;
    pilot->flyOffTime.setTotal(7012);
    doc.pilots.push_back(std::move(pilot));
    auto plane = std::make_unique<KORVAPlane>();
    plane->planeNumber = 1;
    plane->pilotNumber = 1;
    plane->type = "Shoestring";
    plane->mainColor = "Yellow";
    plane->engine = "Nelson";
    plane->safetyChecked = 1;
    doc.planes.push_back(std::move(plane));

    KORVAMatrix& m = doc.raceMatrix.matrix(0);
    m.setClassCode(1);
    m.LaneQuan = 2;
    m.MatrixTime = {1'650'000'100, 1'650'000'200};
    auto& round = m.appendRound(std::make_unique<KORVARound>());
    round.roundValue3 = 1'650'000'050;
    round.roundValue5 = 2;
    for (int h = 0; h < 2; ++h) {
        auto heat = std::make_unique<KORVAHeat>();
        heat->lanePilot = {h == 0 ? 1 : 0, 0, 0, 0};
        round.addHeat(std::move(heat), 1'650'000'000 + h);
    }
    round.heats[0]->laneTime[0].setTotal(9123);
    round.heats[0]->laneFinish[0] = 1;
    round.heats[0]->lanePoints[0] = 2;
    round.heats[0]->complete = 1'650'000'300;
    doc.raceMatrix.RoundQuan = 1;
    doc.raceMatrix.MaxHeatsPerRound = 2;
    doc.raceMatrix.Matrixed[0] = 1;
    doc.recountChannels();

    ByteBuilder b;
    test::headerBytes(b, spec);
    b.count(1).newClass("KORVAPilot");
    test::pilotBytes(b, *doc.pilots[0]);
    b.count(1).newClass("KORVAPlane");
    test::planeBytes(b, *doc.planes[0]);
    // Bracket 0 with its round of two heats; the map so far: 1 pilot class, 2 pilot,
    // 3 plane class, 4 plane, so the round class is 5 and the heat class 7.
    b.ints({0, 1, 1, 0, -1, 0});
    b.ints({1, 2, 1, 1'650'000'200, 1'650'000'100, 0, 0}).spare(20).i32(100);
    b.count(1).newClass("KORVARound");
    test::roundHeadBytes(b, round);
    b.count(2).newClass("KORVAHeat");
    test::heatBytes(b, *round.heats[0]);
    b.classRef(7);
    test::heatBytes(b, *round.heats[1]);
    for (int bracket = 1; bracket < 3; ++bracket) {
        b.ints({0, 0, 0, 0, -1, 0});
        b.ints({-1, 0, 0, 0, 0, 0, 0}).spare(20).i32(100).count(0);
    }
    for (int t = 0; t < 3; ++t) {
        for (int c = 0; c < 200; ++c) b.i32(t == 0 && c == 22 ? 1 : 0);
    }
    b.ints({1, 2, 1, 1, 0, 0}).spare(160).i32(100);

    const auto written = doc.encode();
    ASSERT_EQ(written.size(), b.size());
    EXPECT_EQ(written, b.bytes());

    // And the same bytes read back give the same document.
    KORVARaceDoc back(services);
    back.loadBytes(b.bytes());
    EXPECT_EQ(back.raceTitle, "Golden");
    EXPECT_EQ(services.raceFileName, "golden.kvr");
    ASSERT_EQ(back.pilots.size(), 1u);
    EXPECT_TRUE(back.pilots[0]->sameRecord(*doc.pilots[0]));
    EXPECT_EQ(back.pilots[0]->flyOffTime.totalHundredths, 7012);
    ASSERT_EQ(back.planes.size(), 1u);
    EXPECT_EQ(*back.planes[0], *doc.planes[0]);
    const KORVAMatrix& bm = back.raceMatrix.matrix(0);
    EXPECT_EQ(bm.bracketIndex, 0);
    ASSERT_EQ(bm.rounds.size(), 1u);
    ASSERT_EQ(bm.rounds[0]->heats.size(), 2u);
    EXPECT_EQ(bm.rounds[0]->matrix, &bm);
    EXPECT_EQ(bm.rounds[0]->heats[1]->round, bm.rounds[0].get());
    EXPECT_EQ(bm.rounds[0]->heats[0]->laneTime[0].totalHundredths, 9123);
    back.menuIds = doc.menuIds;  // recomputed on loading; the rest must match exactly
    EXPECT_EQ(back.encode(), written);
}

TEST_F(RaceFile, SampleRaceSurvivesSaveAndReopen) {
    samples::SampleSize size;
    size.pilots = 40;
    size.rounds = 5;
    size.heatsPerRound = 4;
    auto doc = samples::makeRace(services, size);
    doc->raceTitle = std::string(300, 'T');  // a long title takes the 3-byte prefix
    doc->pilots[3]->lastName = "M\xfcller";   // single-byte text stays single-byte
    const auto bytes = doc->encode();
    KORVARaceDoc back(services);
    back.loadBytes(bytes);
    EXPECT_EQ(back.encode(), bytes);
    EXPECT_EQ(back.pilots[3]->lastName, "M\xfcller");
    EXPECT_EQ(back.raceMatrix.matrix(2).rounds.size(), 5u);
    EXPECT_EQ(back.raceMatrix.AnyBracketFilled, 1);
}

}  // namespace
}  // namespace korva
