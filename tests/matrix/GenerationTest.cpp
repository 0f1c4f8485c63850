#include <gtest/gtest.h>

#include "matrix/MatrixFixture.h"
#include "ui/Strings.h"

namespace korva::test {
namespace {

class Generation : public ::testing::Test {
protected:
    void addField(int n, int firstChannel = 11) {
        for (int i = 0; i < n; ++i) race.addPilots(3, {firstChannel + i});
    }
    KORVAMatrix& m() { return race.matrix(1); }
    void completeHeat(int round, int heat) {
        m().rounds[static_cast<std::size_t>(round - 1)]
            ->heats[static_cast<std::size_t>(heat - 1)]
            ->complete = 77;
    }
    MatrixRace<ScriptedInteraction> race;
};

TEST_F(Generation, AFreshBracketIsBuiltSoundWithoutQuestions) {
    addField(12);
    bool changed = false;
    ASSERT_TRUE(race.generate(1, 6, 1, &changed));
    EXPECT_TRUE(changed);
    EXPECT_EQ(m().rounds.size(), 6u);
    EXPECT_EQ(m().ClassCode, 3);
    EXPECT_EQ(m().LaneQuan, 4);
    EXPECT_EQ(race.doc.raceMatrix.MaxHeatsPerRound, 3);
    EXPECT_EQ(m().rounds[0]->roundValue5, 4);
    EXPECT_EQ(m().MatrixTime[1], race.clock.now());
    EXPECT_EQ(checkRounds(race.doc, 1, 1, 6), "");
}

TEST_F(Generation, TheClockSeedsTheGeneratorSoAFixedClockRepeatsTheMatrix) {
    addField(12);
    ASSERT_TRUE(race.generate(1, 5));
    const auto first = lanePilots(m());
    race.user.expect(415, Answer::Yes);
    ASSERT_TRUE(race.generate(1, 5));
    EXPECT_EQ(lanePilots(m()), first);
    race.clock.advance(1);
    race.user.expect(415, Answer::Yes);
    ASSERT_TRUE(race.generate(1, 5));
    EXPECT_NE(lanePilots(m()), first);
}

TEST_F(Generation, RematrixQuestionsFollowChangesAndScores) {
    addField(9);
    ASSERT_TRUE(race.generate(1, 4));
    race.user.expect(415, Answer::Cancel);
    EXPECT_FALSE(race.generate(1, 4));
    race.doc.raceMatrix.PilotInfoChanged[1] = 1;
    race.user.expect(419, Answer::Yes);
    ASSERT_TRUE(race.generate(1, 4));
    completeHeat(1, 1);
    race.doc.raceMatrix.PilotInfoChanged[1] = 1;
    race.user.expect(251, Answer::Yes).expect(414, Answer::Yes);
    ASSERT_TRUE(race.generate(1, 4, 2));
    EXPECT_EQ(race.user.asked[2].buttons, Buttons::YesNo);
    EXPECT_EQ(race.user.asked[3].buttons, Buttons::YesNoCancel);
    race.user.expect(251, Answer::No);
    EXPECT_FALSE(race.generate(1, 4, 2));
}

TEST_F(Generation, AStartedBeginRoundIsRefusedAndNothingChanges) {
    addField(8);
    ASSERT_TRUE(race.generate(1, 4));
    completeHeat(2, 1);
    const auto before = lanePilots(m());
    race.user.expect(251, Answer::Yes).expect(250);
    EXPECT_FALSE(race.generate(1, 4, 2));
    EXPECT_EQ(race.user.asked.back().text.substr(0, 26), "Trying to matrix round 2 w");
    EXPECT_EQ(lanePilots(m()), before);
}

TEST_F(Generation, KeepLanesKeepsEveryPilotInHisLane) {
    addField(11);
    ASSERT_TRUE(race.generate(1, 3));
    std::map<std::int32_t, int> laneInRound1;
    for (std::int32_t p = 1; p <= 11; ++p) laneInRound1[p] = m().rounds[0]->laneOf(p);
    race.user.expect(415, Answer::No);
    ASSERT_TRUE(race.generate(1, 7, 4));
    EXPECT_EQ(m().rounds.size(), 7u);
    for (int r = 0; r < 7; ++r) {
        for (std::int32_t p = 1; p <= 11; ++p)
            EXPECT_EQ(m().rounds[static_cast<std::size_t>(r)]->laneOf(p), laneInRound1[p]);
    }
    EXPECT_EQ(checkRounds(race.doc, 1, 1, 7), "");
}

TEST_F(Generation, KeptLanesOfOnlyEmptySlotsAndExtraHeatsStayInTheMatrix) {
    addField(6);
    ASSERT_TRUE(race.generate(1, 2));
    ASSERT_EQ(m().LaneQuan, 3);
    // Round 1 as an earlier build may have left it: a fourth lane and a third heat, empty.
    m().rounds[0]->roundValue5 = 4;
    m().rounds[0]->addHeat(std::make_unique<KORVAHeat>(0), 0);
    race.user.expect(415, Answer::No);
    ASSERT_TRUE(race.generate(1, 4, 2));
    EXPECT_EQ(m().LaneQuan, 4);
    for (int r = 1; r < 4; ++r) {
        const KORVARound& round = *m().rounds[static_cast<std::size_t>(r)];
        EXPECT_EQ(round.heats.size(), 3u);
        for (const auto& heat : round.heats) EXPECT_EQ(heat->lanePilot[3], 0);
    }
    EXPECT_EQ(checkRounds(race.doc, 1, 1, 4), "");
}

TEST_F(Generation, KeepLanesWithAChangedFieldFailsWith430AndLeavesTheRounds) {
    addField(10);
    ASSERT_TRUE(race.generate(1, 3));
    const auto before = lanePilots(m());
    race.addPilots(3, {40});
    race.user.expect(415, Answer::No).expect(430);
    EXPECT_FALSE(race.generate(1, 3));
    EXPECT_EQ(
        race.user.asked.back().text,
        "Attempting to keep pilots in lanes in bracket 426, but there are 11 ready pilots and "
        "10 pilots were in matrix. Cannot resolve, try again and select to rematrix.");
    EXPECT_EQ(lanePilots(m()), before);
    // Trading one pilot for another keeps the count but not the field.
    race.doc.pilots[0]->active = 0;
    race.user.expect(415, Answer::No).expect(430);
    EXPECT_FALSE(race.generate(1, 3));
    EXPECT_EQ(lanePilots(m()), before);
}

TEST_F(Generation, KeepLanesRefusesAChannelSplitOverTwoLanes) {
    addField(10);
    ASSERT_TRUE(race.generate(1, 3));
    const int lane1 = m().rounds[0]->laneOf(1);
    std::int32_t other = 2;
    while (m().rounds[0]->laneOf(other) == lane1) ++other;
    race.doc.pilotByNumber(other)->channel = race.doc.pilotByNumber(1)->channel;
    race.doc.raceMatrix.PilotInfoChanged[1] = 1;
    race.user.expect(419, Answer::No).expect(str::kKeepLanesChannelSplit);
    EXPECT_FALSE(race.generate(1, 3));
}

TEST_F(Generation, KeepLanesWithoutAFirstRoundIsRefused) {
    addField(6);
    race.doc.raceMatrix.Matrixed[1] = 1;
    race.user.expect(415, Answer::No).expect(str::kKeepLanesNoFirstRound);
    EXPECT_FALSE(race.generate(1, 3));
    EXPECT_EQ(race.user.asked.back().text,
              "Keep same lane requested for 426 bracket, but not possible. No first round found.");
}

TEST_F(Generation, FewerHeatsPerRoundRemoveTheSurplusHeats) {
    addField(12);
    ASSERT_TRUE(race.generate(1, 5));
    ASSERT_EQ(m().rounds[4]->heats.size(), 3u);
    for (int i = 0; i < 4; ++i) race.doc.pilots[static_cast<std::size_t>(i)]->active = 0;
    race.doc.raceMatrix.PilotInfoChanged[1] = 1;
    race.user.expect(419, Answer::Yes);
    bool changed = false;
    ASSERT_TRUE(race.generate(1, 5, 1, &changed));
    EXPECT_TRUE(changed);
    for (const auto& r : m().rounds) {
        EXPECT_EQ(r->heats.size(), 2u);
        EXPECT_EQ(r->heatCount, 2);
    }
    EXPECT_NE(race.traceText().find(
                  "Pilot spread caused HeatsPerRound to change\n  - Previous=3\n  -  Current=2\n"),
              std::string::npos);
    EXPECT_EQ(checkRounds(race.doc, 1, 1, 5), "");
}

TEST_F(Generation, TeamsThatCannotFillTheHeatsOverflowWith416) {
    // Five teams of two on pseudo channels: four lanes of three cannot hold them.
    for (int team = 0; team < 5; ++team) race.addPilots(3, {120 + team, 120 + team});
    race.user.expect(416);
    ASSERT_TRUE(race.generate(1, 3));
    EXPECT_EQ(race.user.asked[0].text,
              "Unable to make a minimum length matrix. Check team sizes and adjust. Class: 426");
    EXPECT_EQ(m().rounds[0]->heats.size(), 4u);
    EXPECT_EQ(checkRounds(race.doc, 1, 1, 3), "");
}

TEST_F(Generation, PowerLevelsNeedEveryPilot) {
    addField(8);
    for (auto& p : race.doc.pilots) p->category = std::to_string(1 + p->pilotNumber % 4);
    ASSERT_TRUE(race.generate(1, 2));
    race.doc.pilots[3]->category = "A";
    race.user.expect(415, Answer::Yes).expect(129, Answer::No);
    EXPECT_FALSE(race.generate(1, 2));
    EXPECT_NE(race.user.asked.back().text.find("One such pilot: First4 Last4"), std::string::npos);
    race.user.expect(415, Answer::Yes).expect(129, Answer::Yes);
    EXPECT_TRUE(race.generate(1, 2));
}

TEST_F(Generation, EmptyAndOversizedFieldsAreRefusedWithoutChanges) {
    race.user.expect(str::kNoReadyPilots);
    EXPECT_FALSE(race.generate(1, 3));
    EXPECT_TRUE(m().rounds.empty());
    for (int i = 0; i < 300; ++i) race.addPilots(3, {i % 150 < 100 ? 100 + i % 100 : 11 + i % 50});
    race.user.expect(str::kFieldTooLarge);
    EXPECT_FALSE(race.generate(1, 3));
    EXPECT_EQ(race.user.asked.back().text,
              "Cannot matrix 426 class.\nIt would need 75 heats per round, but a matrix holds at "
              "most 64.\n"
              "Split the class or make some pilots inactive.");
    EXPECT_TRUE(m().rounds.empty());
}

TEST_F(Generation, PilotsChangeLanesBuildsNoRounds) {
    addField(8);
    race.doc.matrixType = 1;
    ASSERT_TRUE(race.generate(1, 3));
    EXPECT_TRUE(m().rounds.empty());
    EXPECT_EQ(m().LaneQuan, 4);
}

TEST_F(Generation, FaiRacesRotateTheRebuiltRounds) {
    addField(8);
    race.doc.faiClass = 1;
    race.doc.rotateEvery = 1;
    ASSERT_TRUE(race.generate(1, 3));
    // Lanes rotate every round, so a pilot's lane moves on by one each round.
    for (std::int32_t p = 1; p <= 8; ++p) {
        const int lane1 = m().rounds[0]->laneOf(p);
        EXPECT_EQ(m().rounds[1]->laneOf(p), (lane1 + 3) % 4);
        EXPECT_EQ(m().rounds[2]->laneOf(p), (lane1 + 2) % 4);
    }
}

TEST_F(Generation, AnUnwritableTraceFolderDoesNotStopTheGeneration) {
    addField(7);
    race.services.workingFolder = "/nonexistent-korva-folder";
    race.doc.raceMatrix.RoundQuan = 3;
    race.doc.raceMatrix.Selected[1] = 1;
    MatrixTrace trace(race.services.workingFolder);
    GenerationContext ctx{race.doc, trace, {}};
    bool changed = false;
    EXPECT_TRUE(DoSingleMatrix(ctx, 1, 3, changed));
    EXPECT_GT(trace.failedWrites(), 0);
    EXPECT_EQ(checkRounds(race.doc, 1, 1, 3), "");
}

TEST(LargeField, A126PilotBracketSpreadsItsByesOverThreeExtraRounds) {
    MatrixRace<AnsweringInteraction> race;
    for (int i = 1; i <= 126; ++i) race.addPilots(3, {i <= 100 ? 99 + i : i - 89});
    ASSERT_TRUE(race.generate(1, kSanitized ? 8 : 32));
    const std::string log = race.traceText();
    EXPECT_NE(log.find("Three extra rounds matrixed to look for spread bye possibilities"),
              std::string::npos);
    EXPECT_EQ(race.matrix(1).rounds[0]->heats.size(), 32u);
    EXPECT_EQ(checkRounds(race.doc, 1, 1, kSanitized ? 8 : 32), "");
}

}  // namespace
}  // namespace korva::test
