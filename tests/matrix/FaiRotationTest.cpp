#include <gtest/gtest.h>

#include "matrix/FaiRotation.h"
#include "race/KORVAMatrix.h"

namespace korva::test {
namespace {

// Rounds of one heat whose lane k holds pilot k + 1, so a shift shows in lane 1.
void roundsOfOneHeat(KORVAMatrix& m, int rounds, int lanes) {
    for (int r = 0; r < rounds; ++r) {
        auto round = std::make_unique<KORVARound>();
        auto heat = std::make_unique<KORVAHeat>(0);
        for (int l = 0; l < lanes; ++l) heat->lanePilot[static_cast<std::size_t>(l)] = l + 1;
        round->addHeat(std::move(heat), 0);
        m.appendRound(std::move(round));
    }
}

std::vector<int> shifts(const KORVAMatrix& m) {
    std::vector<int> out;
    for (const auto& r : m.rounds) out.push_back(r->heats[0]->lanePilot[0] - 1);
    return out;
}

TEST(FaiRotation, EveryTwoRoundsOnFourLanes) {
    KORVAMatrix m;
    roundsOfOneHeat(m, 10, 4);
    rotateFaiLanes(m, 1, 10, 2, 4, 9);
    EXPECT_EQ(shifts(m), (std::vector<int>{0, 0, 1, 1, 2, 2, 3, 3, 0, 0}));
    EXPECT_EQ(m.rounds[2]->heats[0]->lanePilot, (std::array<std::int32_t, 4>{2, 3, 4, 1}));
    EXPECT_EQ(m.rounds[2]->heats[0]->modifiedAt, 9);
}

TEST(FaiRotation, EveryRoundOnThreeLanesLeavesLaneFourAlone) {
    KORVAMatrix m;
    roundsOfOneHeat(m, 4, 3);
    rotateFaiLanes(m, 1, 4, 1, 3, 9);
    EXPECT_EQ(shifts(m), (std::vector<int>{0, 1, 2, 0}));
    EXPECT_EQ(m.rounds[1]->heats[0]->lanePilot[3], 0);
}

TEST(FaiRotation, CountsFromTheBeginRoundAndSkipsStartedRounds) {
    KORVAMatrix m;
    roundsOfOneHeat(m, 8, 4);
    m.rounds[6]->heats[0]->complete = 1;
    rotateFaiLanes(m, 5, 8, 1, 4, 9);
    EXPECT_EQ(shifts(m), (std::vector<int>{0, 0, 0, 0, 0, 1, 0, 3}));
    KORVAMatrix none;
    roundsOfOneHeat(none, 3, 4);
    rotateFaiLanes(none, 1, 3, 0, 4, 9);
    EXPECT_EQ(shifts(none), (std::vector<int>{0, 0, 0}));
}

}  // namespace
}  // namespace korva::test
