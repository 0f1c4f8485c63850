#include <gtest/gtest.h>

#include "matrix/HeatOrderTables.h"
#include "matrix/LaneScatter.h"
#include "matrix/MatrixFixture.h"
#include "matrix/RoundPlanner.h"
#include "race/KORVAMatrix.h"

namespace korva::test {
namespace {

class HeatOrders : public ::testing::Test {
protected:
    HeatOrderPlan plan(int lanes, int heats, int rounds, int begin = 1) {
        PlanRequest rq;
        rq.lanes = lanes;
        rq.heats = heats;
        rq.roundQuan = rounds;
        rq.beginRound = begin;
        return planHeatOrders(rq, trace);
    }
    std::vector<int> row(const HeatOrderPlan& p, int round, int lane) {
        return p.orders[static_cast<std::size_t>(round - 1)][static_cast<std::size_t>(lane)];
    }
    TempFolder folder;
    MatrixTrace trace{folder.path()};
};

TEST_F(HeatOrders, FourHeatsFollowTheTableAndRestartItAfterSixteen) {
    const HeatOrderPlan p = plan(4, 4, 20);
    EXPECT_EQ(row(p, 1, 3), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(row(p, 2, 1), (std::vector<int>{2, 3, 0, 1}));
    EXPECT_EQ(row(p, 7, 2), (std::vector<int>{1, 2, 3, 0}));
    EXPECT_EQ(row(p, 16, 3), (std::vector<int>{3, 0, 1, 2}));
    for (int u = 1; u <= 16; ++u) {
        EXPECT_EQ(p.orders[static_cast<std::size_t>(u - 1)], fourHeatOrder(4, u)) << u;
        EXPECT_EQ(row(p, u, 0), (std::vector<int>{0, 1, 2, 3}));
    }
    for (int u = 17; u <= 20; ++u)
        EXPECT_EQ(p.orders[static_cast<std::size_t>(u - 1)],
                  p.orders[static_cast<std::size_t>(u - 17)]);
    // Three lanes use the first rows of the same table.
    const HeatOrderPlan three = plan(3, 4, 3);
    EXPECT_EQ(row(three, 3, 2), (std::vector<int>{2, 3, 0, 1}));
    EXPECT_TRUE(three.orders[2][3].empty());
}

TEST_F(HeatOrders, FourLanesOfSixHeatsUseTheRollTableForRoundsTwoToFive) {
    const HeatOrderPlan p = plan(4, 6, 7);
    HeatOrder expected = identityOrder(4, 6);
    const int lane3[] = {2, 3, 2, 2}, lane4[] = {3, 4, 3, 4};
    for (int u = 2; u <= 5; ++u) {
        rollLane(expected, 1);
        rollLane(expected, 2, lane3[u - 2]);
        rollLane(expected, 3, lane4[u - 2]);
        EXPECT_EQ(p.orders[static_cast<std::size_t>(u - 1)], expected) << u;
    }
    const std::string log = readText(folder.file(MatrixTrace::kFileName));
    std::size_t uses = 0;
    for (auto at = log.find("Pre-built matrix used for nHeats_per_round=6\n");
         at != std::string::npos; at = log.find("Pre-built matrix used", at + 1)) {
        ++uses;
    }
    EXPECT_EQ(uses, 4u);
    EXPECT_NE(log.find("BestB2B="), std::string::npos);
}

TEST_F(HeatOrders, TwoLanesRollLaneTwoOncePerRound) {
    const HeatOrderPlan p = plan(2, 5, 4);
    for (int u = 1; u <= 4; ++u) {
        EXPECT_EQ(row(p, u, 0), (std::vector<int>{0, 1, 2, 3, 4}));
        for (int h = 0; h < 5; ++h)
            EXPECT_EQ(row(p, u, 1)[static_cast<std::size_t>(h)], (h + u - 1) % 5);
    }
}

TEST_F(HeatOrders, OneHeatFliesPositionZeroEveryRound) {
    const HeatOrderPlan p = plan(4, 1, 3);
    for (int u = 1; u <= 3; ++u) {
        for (int l = 0; l < 4; ++l) EXPECT_EQ(row(p, u, l), std::vector<int>{0});
    }
}

TEST_F(HeatOrders, ABeginRoundReplaysEarlierRoundsToTheSameOrders) {
    for (const auto& [lanes, heats] : {std::pair{4, 7}, std::pair{3, 5}, std::pair{4, 6}}) {
        const HeatOrderPlan full = plan(lanes, heats, 9);
        const HeatOrderPlan later = plan(lanes, heats, 9, 3);
        EXPECT_EQ(later.firstIndex, 2);
        for (int u = 3; u <= 9; ++u) {
            EXPECT_EQ(later.orders[static_cast<std::size_t>(u - 1)],
                      full.orders[static_cast<std::size_t>(u - 1)])
                << lanes << " lanes, " << heats << " heats, round " << u;
        }
    }
}

// Four lanes of six heats; lanes 3 and 4 each have one bye when spread, lane 4 has both
// when grouped.
class ByeScatter : public ::testing::Test {
protected:
    ByeScatter() {
        for (int i = 1; i <= 22; ++i) {
            pilots.push_back(std::make_unique<KORVAPilot>(i));
            pilots.back()->channel = 10 + i;
        }
        int next = 0;
        for (int l = 0; l < 4; ++l) {
            for (int p = 0; p < (l < 2 ? 6 : 5); ++p)
                rq.spread[static_cast<std::size_t>(l)].push_back(
                    pilots[static_cast<std::size_t>(next++)].get());
        }
        rq.grouped = rq.spread;
        rq.grouped[2].push_back(rq.grouped[3].back());
        rq.grouped[3].pop_back();
        rq.grouped[3].insert(rq.grouped[3].begin(), 2, nullptr);
        rq.spread[2].insert(rq.spread[2].begin() + 2, nullptr);
        rq.spread[3].insert(rq.spread[3].begin(), nullptr);
        rq.lanes = 4;
        rq.heatsPerRound = 6;
        rq.rematrix = true;
        rq.spreadSlack = {0, 0, 1, 1};
    }
    // Lanes (0-based) that hold an empty slot in some heat of the written rounds.
    std::set<int> byeLanes() const {
        std::set<int> lanes;
        for (const auto& r : matrix.rounds) {
            for (const auto& h : r->heats) {
                for (int l = 0; l < 4; ++l) {
                    if (h->lanePilot[static_cast<std::size_t>(l)] == 0) lanes.insert(l);
                }
            }
        }
        return lanes;
    }
    bool scatter(int rounds) {
        return ScatterPilotsInSameLanes({matrix, rounds, 1, user, trace, 1000}, rq);
    }

    std::vector<std::unique_ptr<KORVAPilot>> pilots;
    ScatterRequest rq;
    KORVAMatrix matrix;
    ScriptedInteraction user;
    TempFolder folder;
    MatrixTrace trace{folder.path()};
};

TEST_F(ByeScatter, NoToMessage431WritesTheGroupedByes) {
    user.expect(431, Answer::No);
    ASSERT_TRUE(scatter(12));
    EXPECT_EQ(byeLanes(), std::set<int>{3});
    EXPECT_EQ(matrix.rounds.size(), 12u);
    EXPECT_EQ(user.asked.at(0).defaultButton, Answer::No);
}

TEST_F(ByeScatter, YesToMessage431WritesTheSpreadByes) {
    user.expect(431, Answer::Yes);
    ASSERT_TRUE(scatter(12));
    EXPECT_EQ(byeLanes(), (std::set<int>{2, 3}));
    const std::string log = readText(folder.file(MatrixTrace::kFileName));
    EXPECT_NE(log.find("Three extra rounds matrixed to look for spread bye possibilities\n"),
              std::string::npos);
    EXPECT_NE(log.find("Output Modified Scattered Array - Round=15\n"), std::string::npos);
}

TEST_F(ByeScatter, ByesAreAlignedWithoutAskingWhenTheyMeetOnlyAfterTheRace) {
    ASSERT_TRUE(scatter(2));
    EXPECT_EQ(byeLanes(), (std::set<int>{2, 3}));
    // Both byes fly in one heat of the last clean round; before it they never meet.
    const std::string log = readText(folder.file(MatrixTrace::kFileName));
    EXPECT_NE(log.find("Clean extra round found at round "), std::string::npos);
}

TEST_F(ByeScatter, RoundsThatAreCompleteAreNeverRewritten) {
    user.expect(431, Answer::No);
    ASSERT_TRUE(scatter(12));
    matrix.rounds[11]->heats[0]->complete = 5;
    const auto before = lanePilots(matrix);
    user.expect(431, Answer::Yes);
    ASSERT_TRUE(ScatterPilotsInSameLanes({matrix, 10, 1, user, trace, 2000}, rq));
    EXPECT_EQ(lanePilots(matrix)[11], before[11]);
    EXPECT_NE(lanePilots(matrix)[0], before[0]);
}

}  // namespace
}  // namespace korva::test
