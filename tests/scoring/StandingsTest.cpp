#include "scoring/DiscardTable.h"
#include "scoring/StandingsFixture.h"

namespace korva::test {
namespace {

using Standings = StandingsFixture;

// Points race: sums over the completed rounds; a pilot without a lane adds 0; best time
// with its cut flag, a faster fly-off time, disqualification.
TEST_F(Standings, PointsRaceTotalsBestTimesAndLanes) {
    makeRace(12, 3);
    result(0, 0, 0, {4, 3, 2, 1}, {9000, 9100, 9200, 0}, {0, 1, 0, 0});
    heat(0, 1).lanePilot[3] = 0;  // pilot 10 sits out round 2
    result(0, 1, 0, {1, 4, 3, 0}, {9500, 8500, 9300, 0});
    result(0, 2, 0, {4, 4, 4, 4}, {100, 100, 100, 100});
    heat(0, 2).complete = 0;  // round 3 still open: nothing of it counts
    standings->update();
    EXPECT_EQ(standings->scores().completedRounds(0), 2);
    EXPECT_EQ(standings->total(pilot(4)), 7);
    EXPECT_EQ(standings->total(pilot(10)), 1);
    EXPECT_EQ(standings->bestTime(pilot(4)).total, 8500);
    EXPECT_EQ(standings->bestTime(pilot(10)).total, 0);  // never timed
    EXPECT_EQ(standings->scores().lane(pilot(10)), 3);   // round 3 is its last
    EXPECT_EQ(standings->fastestOfBracket(0), 8500);

    result(0, 2, 0, {2, 4, 4, 4}, {100, 100, 100, 100}, {1, 0, 0, 0});
    heat(0, 0).complete = 0;  // round 1 reopened: rounds 2 and 3 count
    standings->update();
    EXPECT_EQ(standings->total(pilot(1)), 1 + 2);
    EXPECT_TRUE(standings->bestTime(pilot(1)).cut);

    pilot(7).flyOffTime.setTotal(80);
    EXPECT_EQ(standings->bestTime(pilot(7)).total, 80);
    pilot(4).dqFlag = 1;
    EXPECT_EQ(standings->total(pilot(4)), 0);
    EXPECT_EQ(standings->bestTime(pilot(4)).total, 0);
}

// FAI: scores, the worst rounds dropped at 4, 8 and 12 completed rounds and never more
// than 3; a round without a lane counts 0 and is no low score.
TEST_F(Standings, FaiRaceDiscardsTheWorstRounds) {
    makeRace(12, 13);
    doc->faiClass = 1;
    for (int r = 0; r < 13; ++r) {
        result(0, r, 0, {6000 + 100 * r, 7000, 20000, 7000}, {6000 + 100 * r, 7000, 0, 7000},
               {0, 0, 0, r == 5 ? 1 : 0});
        heat(0, r).complete = 0;
    }
    heat(0, 1).lanePilot[1] = 0;  // pilot 4 has a bye in round 2
    auto totalAfter = [this](int rounds, int number) {
        for (int r = 0; r < rounds; ++r) heat(0, r).complete = 1;
        standings->update();
        return standings->total(pilot(number));
    };
    EXPECT_EQ(totalAfter(3, 1), 6000 + 6100 + 6200);
    EXPECT_EQ(totalAfter(4, 1), 6000 + 6100 + 6200);
    EXPECT_EQ(totalAfter(8, 1), 6000 + 6100 + 6200 + 6300 + 6400 + 6500);
    EXPECT_EQ(totalAfter(12, 1), 9 * 6000 + 100 * (0 + 1 + 2 + 3 + 4 + 5 + 6 + 7 + 8));
    EXPECT_EQ(standings->total(pilot(4)), 8 * 7000);  // the bye is kept, 3 of 7000 dropped
    EXPECT_EQ(standings->bestTime(pilot(4)).total, 7000);
    EXPECT_FALSE(standings->bestTime(pilot(10)).cut);  // round 6's cut is no better
    EXPECT_EQ(standings->fastestOfBracket(0), 6000);
    EXPECT_EQ(discardedRounds(37), 3);
    EXPECT_EQ(discardedRounds(64), 3);
}

TEST_F(Standings, FastestOfBracketTakesShownPilotsFlyOffTimes) {
    makeRace(24, 2, 2);
    result(0, 0, 0, {4, 3, 2, 1}, {9000, 9100, 9200, 9300});
    result(0, 0, 1, {4, 3, 2, 1}, {9000, 9100, 9200, 9300});
    result(0, 1, 0, {4, 3, 2, 1}, {8800, 9100, 9200, 9300});  // its round is still open
    pilot(7).flyOffTime.setTotal(8000);
    pilot(7).active = 0;
    doc->showInactive = 0;
    standings->update();
    EXPECT_EQ(standings->fastestOfBracket(0), 8800);
    doc->showInactive = 1;
    standings->update();
    EXPECT_EQ(standings->fastestOfBracket(0), 8000);

    doc->faiClass = 1;  // the lowest lane score, infringements included
    result(0, 0, 0, {9000, 9100, 9200, 9350}, {9000, 9100, 9200, 8500}, {0, 0, 0, 1});
    standings->update();
    EXPECT_EQ(standings->fastestOfBracket(0), 8800);
}

}  // namespace
}  // namespace korva::test
