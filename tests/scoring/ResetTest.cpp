#include <gtest/gtest.h>

#include "RaceBuilder.h"
#include "scoring/EnterResultsCommand.h"
#include "scoring/HeatReset.h"
#include "scoring/Standings.h"
#include "support/TestServices.h"

namespace korva::test {
namespace {

TEST(Reset, HeatAndRoundLoseTheirResultsAndTheStandingsFollow) {
    TestServices t;
    KORVARaceDoc doc{t.services};
    doc.saveReminder = 0;
    KORVARound& round1 = addRound(doc, 0, 2, {{1, 2, 3, 4}, {2, 3, 4, 1}}, true);
    KORVARound& round2 = addRound(doc, 0, 2, {{4, 3, 2, 1}});
    KORVAHeat& heat = *round1.heats[1];
    RaceStandings standings(doc);
    const RecomputeStandings recompute = resultEntryHooks(standings).runStandings;
    standings.rebuild();
    EXPECT_EQ(standings.scores().completedRounds(0), 1);
    EXPECT_TRUE(resetHeatEnabled(&heat));
    EXPECT_FALSE(resetHeatEnabled(round2.heats[0].get()) ||
                 resetRoundEnabled(round2.heats[0].get()));

    t.clock.set(1'700'000'300);
    EXPECT_TRUE(resetHeat(doc, heat, recompute));  // asks nothing
    KORVAHeat fresh;
    EXPECT_EQ(heat.lanePilot, (Lanes{2, 3, 4, 1}));
    EXPECT_EQ(heat.laneTime[3].totalHundredths + heat.laneCuts[3] + heat.laneFinish[0], 0);
    EXPECT_EQ(heat.lanePoints, fresh.lanePoints);
    EXPECT_EQ(heat.laneStarted, fresh.laneStarted);
    EXPECT_EQ(heat.modifiedAt, t.clock.now());
    EXPECT_EQ(standings.scores().completedRounds(0), 0);  // round 1 counts no more
    EXPECT_TRUE(resetRoundEnabled(&heat));                // heat 1 of its round still has results

    const auto before = doc.encode();
    t.ui.expect(70511, Answer::Cancel).expect(70511, Answer::Ok);
    EXPECT_FALSE(resetRound(doc, heat, recompute));
    EXPECT_EQ(doc.encode(), before);
    EXPECT_TRUE(resetRound(doc, heat, recompute));
    EXPECT_EQ(t.ui.asked[0].icon, Icon::Warning);
    EXPECT_FALSE(round1.anyComplete());
    EXPECT_EQ(round1.roundValue3 + round1.roundValue4, 0);
    EXPECT_EQ(round2.roundValue4, 7);
    EXPECT_EQ(doc.changeCount, 2);
    EXPECT_EQ(t.ui.refills, 2);
}

}  // namespace
}  // namespace korva::test
