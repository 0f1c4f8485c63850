#include <gtest/gtest.h>

#include "matrix/MatrixCommand.h"
#include "matrix/MatrixFixture.h"

namespace korva::test {
namespace {

// Five pilots of 426 on their own channels: three lanes, two heats, one bye, and a searched
// second round. The fixed clock is the seed, so lanes and scores never change.
TEST(GoldenTrace, SmallGenerationWritesEveryLineByteForByte) {
    MatrixRace<ScriptedInteraction> race;
    race.clock.set(1'700'000'000);
    race.addPilots(3, {11, 12, 13, 14, 15});
    race.doc.raceMatrix.Selected = {0, 1, 0};
    race.doc.raceMatrix.RoundQuan = 2;
    MatrixCommand command(race.doc);
    bool changed = false;
    ASSERT_TRUE(command.GenerateAllClasses(changed));
    EXPECT_EQ(race.traceText(),
              "Generate matrix for all classes\n"
              "**************************************************\n"
              "********* Program Version 1.2.0\n"
              "********* Generate Matrix for class=426 *********\n"
              "**************************************************\n"
              "DoSingleMatrix()\n"
              "PreMatrix Setup\n"
              "TotalPilotQuan=5\n"
              "Ready Pilot quantity for this class=5\n"
              "MaxChannelInUse=15\n"
              "UniqueChannelQuan=5\n"
              "ConflictQuan=0\n"
              "MaxConflictedQuan=0\n"
              "Starting MaxLaneQuan=4\n"
              "Starting ActualLaneQuan=4\n"
              "MinLaneQuan=3\n"
              "LaneQuanFactor=5\n"
              "MaxLaneQuan > MinLaneQuan - Adjusted MaxLaneQuan=3\n"
              "Adjusted ActualLaneQuan=3\n"
              "HeatsPerRound=2\n"
              "\n"
              "All Pilot Numbers and Channels Now Assiged to Lanes, GROUPED BYES\n"
              "  Heat    L1      L2      L3      L4\n"
              "  ----  ------  ------  ------  ------\n"
              "   01   03  13  01  11  05  15 \n"
              "   02   02  12           04  14 \n"
              "\n"
              "All Pilot Numbers and Channels Now Assiged to Lanes, SPREAD BYES\n"
              "  Heat    L1      L2      L3      L4\n"
              "  ----  ------  ------  ------  ------\n"
              "   01   03  13  01  11  05  15 \n"
              "   02   02  12           04  14 \n"
              "Add NULLs to Empty SLots, Grouped Byes\n"
              "  Heat    L1      L2      L3      L4\n"
              "  ----  ------  ------  ------  ------\n"
              "   01   03  13    NULL   05  15 \n"
              "   02   02  12  01  11  04  14 \n"
              "Add NULLs to Empty SLots, Spread Byes\n"
              "  Heat    L1      L2      L3      L4\n"
              "  ----  ------  ------  ------  ------\n"
              "   01   03  13    NULL   05  15 \n"
              "   02   02  12  01  11  04  14 \n"
              "ScatterPilotsInSameLanes()\n"
              "Round Completed=1\n"
              "PairDelt=1\n"
              "MaxPairCount=1\n"
              "MaxTripCount=1\n"
              "BestScore = 0.000000\n"
              "BestB2B=0\n"
              "BestCCMC=12\n"
              "BestCCMC2=16372\n"
              "BestTCMC=12\n"
              "ZeroPairingsCount=12\n"
              "Output Scattered Array - Round=1 RollCount=1\n"
              "  - [00][00][00]\n"
              "  - [01][01][01]\n"
              "Round Completed=2\n"
              "PairDelt=1\n"
              "MaxPairCount=2\n"
              "MaxTripCount=1\n"
              "BestScore = 241426000.000000\n"
              "BestB2B=1\n"
              "BestCCMC=4\n"
              "BestCCMC2=16\n"
              "BestTCMC=0\n"
              "ZeroPairingsCount=4\n"
              "Output Scattered Array - Round=2 RollCount=2\n"
              "  - [00][01][01]\n"
              "  - [01][00][00]\n");
    EXPECT_EQ(lanePilots(race.matrix(1)), (std::vector<std::vector<std::int32_t>>{
                                              {3, 0, 5, 0, 2, 1, 4, 0}, {3, 1, 4, 0, 2, 0, 5, 0}}));
}

}  // namespace
}  // namespace korva::test
