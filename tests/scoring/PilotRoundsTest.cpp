// The per-round breakdown behind a pilot's total agrees with the standings' totals.

#include <algorithm>

#include "scoring/PilotRounds.h"
#include "scoring/StandingsFixture.h"

namespace korva::test {
namespace {

class PilotRoundsTest : public StandingsFixture {};

TEST_F(PilotRoundsTest, SumsOfTheKeptRoundsAreTheTotals) {
    makeRace(24, 9, 2);  // bracket 0: pilots 1..22 step 3, two heats a round
    unsigned next = 7;
    const auto value = [&next](int range) {
        next = next * 1103515245u + 12345u;
        return static_cast<int>((next >> 16) % static_cast<unsigned>(range));
    };
    for (int r = 0; r < 8; ++r) {
        for (int h = 0; h < 2; ++h) {
            result(0, r, h, {value(5), value(5), value(5), value(5)},
                   {9000 + value(900), 9000 + value(900), 9000 + value(900), 9000 + value(900)},
                   {value(3) == 0 ? 1 : 0, 0, value(4) == 0 ? 2 : 0, 0});
        }
    }
    result(0, 8, 0, {9, 9, 9, 9}, {100, 100, 100, 100});  // round 9 is not complete
    heat(0, 2, 1).removePilot(16, 1);                     // no lane in round 3
    pilot(19).dqFlag = 1;

    for (const int fai : {0, 1}) {
        doc->faiClass = fai;
        standings->update();
        const BracketRounds rounds(*doc, 0);
        ASSERT_EQ(rounds.roundNumbers().size(), 8u);
        EXPECT_EQ(rounds.roundNumbers().front(), 1);
        for (std::int32_t n = 1; n <= 22; n += 3) {
            const KORVAPilot& p = pilot(n);
            EXPECT_EQ(rounds.total(p), standings->scores().total(p)) << "pilot " << n;
            const std::vector<RoundResult> results = rounds.of(p);
            ASSERT_EQ(results.size(), 8u);
            EXPECT_EQ(results[2].flew, n != 16);
            const auto dropped = std::count_if(results.begin(), results.end(),
                                               [](const auto& x) { return x.discarded; });
            EXPECT_EQ(dropped, fai ? 2 : 0) << "8 rounds drop the 2 worst scores";
            for (const RoundResult& kept : results) {
                for (const RoundResult& gone : results) {
                    if (gone.discarded && !kept.discarded) {
                        EXPECT_GE(gone.value, kept.value);
                    }
                }
            }
        }
    }
    // The lane that gave the time gives the cut mark; another bracket's pilot has no rounds.
    const KORVAHeat& h = heat(0, 0, 0);
    EXPECT_EQ(BracketRounds(*doc, 0).of(pilot(1))[0].cut, h.laneCuts[0] >= 1);
    EXPECT_EQ(BracketRounds(*doc, 0).of(pilot(1))[0].time, h.laneTime[0].totalHundredths);
    EXPECT_TRUE(BracketRounds(*doc, 0).of(pilot(2)).empty());
}

}  // namespace
}  // namespace korva::test
