#include "scoring/StandingsFixture.h"
#include "scoring/StandingsMessages.h"
#include "ui/Strings.h"

namespace korva::test {
namespace {

// Bracket 0 of eight pilots (1, 4, ..., 22) flying one round of two heats.
class Ties : public StandingsFixture {
protected:
    void SetUp() override {
        makeRace(24, 1, 2);
        doc->resolveTiesByFlyOff = 1;
    }
    // Totals of pilots 1, 4, 7, 10, 13, 16, 19, 22, then the standings without messages.
    void totals(std::initializer_list<int> values) {
        const std::vector<int> v(values);
        result(0, 0, 0, {v[0], v[1], v[2], v[3]}, {9000, 9000, 9000, 9000});
        result(0, 0, 1, {v[4], v[5], v[6], v[7]}, {9000, 9000, 9000, 9000});
        standings->rebuild();
    }
    const BracketStandings& b0() const { return standings->bracket(0); }
    Numbers tied() const {
        Numbers out;
        for (const auto& e : b0().entries) {
            if (e.tied) out.push_back(e.pilot);
        }
        return out;
    }
};

TEST_F(Ties, GroupsCountWhenTheyBeginWithinTheAwardPlaces) {
    totals({10, 9, 8, 8, 5, 4, 3, 2});  // tied for 3rd
    EXPECT_EQ(tied(), (Numbers{7, 10}));
    EXPECT_EQ(b0().pilotsInvolved, 2);
    EXPECT_EQ(doc->totalTies, 1);
    EXPECT_EQ(pilot(7).flyOffPoints, 0);

    totals({10, 9, 8, 7, 7, 4, 3, 2});  // tied for 4th: outside the places
    EXPECT_EQ(tied(), Numbers{});
    EXPECT_EQ(pilot(10).flyOffPoints, -1);

    totals({10, 9, 7, 7, 7, 4, 3, 2});  // places 3 to 5: one group running past the places
    EXPECT_EQ(tied(), (Numbers{7, 10, 13}));
    EXPECT_EQ(b0().pilotsInvolved, 3);

    doc->awardPlaces = 10;
    totals({3, 5, 5, 3, 0, 0, 9, 0});  // two groups; no points at all is no tie
    EXPECT_EQ(order(0), (Numbers{19, 4, 7, 1, 10, 13, 16, 22}));
    EXPECT_EQ(tied(), (Numbers{4, 7, 1, 10}));
    EXPECT_EQ(doc->totalTies, 2);
}

TEST_F(Ties, ChannelAndLaneConflictsInTheQuestion) {
    pilot(7).channel = pilot(10).channel = 45;
    totals({10, 9, 8, 8, 5, 4, 3, 2});
    EXPECT_EQ(tieQuestionText(b0()),
              "There is a tie in the 424 class involving 2 pilots\n\nThere IS a channel "
              "conflict\n\nThere are no lane conflicts\n\nAfter fly-offs, right button click on "
              "pilots to add fly-off points\n\nWould you like to see a list of the pilots "
              "involved ?");

    // Two groups: 1, 13 and 16 (13 and 16 on a pseudo channel, 13 in 1's lane), and 4, 7,
    // 10 and 19 (4, 7 and 10 on one channel, 19 in 7's lane).
    doc->awardPlaces = 4;
    pilot(4).channel = 45;
    pilot(13).channel = pilot(16).channel = 120;
    totals({10, 8, 8, 8, 10, 10, 8, 1});
    EXPECT_FALSE(b0().entries[1].channelConflict);
    EXPECT_TRUE(b0().entries[1].laneConflict);
    const std::string head =
        "There are 2 ties in the 424 class involving 7 pilots\n\nThere ARE 3 channel "
        "conflicts\n\nThere ARE 2 lane conflicts\n\nAfter fly-offs";
    EXPECT_EQ(tieQuestionText(b0()).substr(0, head.size()), head);
}

TEST_F(Ties, FinalFlagMessagesInBothWordings) {
    totals({10, 9, 8, 8, 5, 4, 3, 2});
    doc->resolveTiesByFlyOff = 0;
    doc->faiClass = 1;
    t.ui.expect(str::kNoFlyOffsScore);
    recomputeStandings(*standings, true);
    EXPECT_EQ(t.ui.asked.back().text,
              "The race is set to not use fly-offs for tie breakers.\n\nSort Pilot View by Score "
              "and you have the finish order.\n\nOr you can change Race Properties to use "
              "fly-offs and click Finish.");
    doc->faiClass = 0;
    doc->resolveTiesByFlyOff = 1;
    totals({10, 9, 8, 7, 5, 4, 3, 2});
    t.ui.expect(str::kNoTiesPoints);
    recomputeStandings(*standings, true);
    EXPECT_EQ(t.ui.refreshes, 0);

    // Yes to the tie question lists the tied pilots with their marks; No shows nothing.
    pilot(7).channel = pilot(10).channel = 45;
    totals({10, 9, 8, 8, 5, 4, 3, 2});
    t.ui.expect(str::kTieQuestion, Answer::Yes).expect(str::kFlyOffPilots);
    recomputeStandings(*standings, true);
    EXPECT_EQ(t.ui.asked.back().text,
              "424:\n  - First7 Last7 - Channel Conflict\n  - First10 Last10 - Channel Conflict\n");
    EXPECT_EQ(t.ui.refreshes, 1);
    t.ui.expect(str::kTieQuestion, Answer::No);
    recomputeStandings(*standings, true);

    // What the reports get: the tied pilots in place order, a gap between totals.
    std::vector<FlyOffInfo> shown;
    standings->showFlyOffInfo = [&shown](const FlyOffInfo& info) { shown.push_back(info); };
    totals({9, 9, 8, 8, 5, 4, 3, 2});
    t.ui.expect(str::kTieQuestion, Answer::Yes);
    recomputeStandings(*standings, true);
    ASSERT_EQ(shown.size(), 1u);
    ASSERT_EQ(shown[0].rows.size(), 5u);
    EXPECT_TRUE(shown[0].rows[2].gap);
    EXPECT_EQ(shown[0].rows[3].place, 3);
    EXPECT_EQ(shown[0].rows[3].lane, 3);
}

// Fly-off results typed by the director stay while the pilot stays tied.
TEST_F(Ties, EnteredFlyOffsSurviveWhileStillTied) {
    totals({10, 9, 8, 8, 5, 4, 3, 2});
    pilot(7).flyOffPoints = 4;
    pilot(7).flyOffTime.setTotal(8800);
    doc->setModified(false);
    standings->rebuild();
    EXPECT_EQ(pilot(7).flyOffPoints, 4);
    EXPECT_EQ(pilot(7).flyOffTime.totalHundredths, 8800);
    EXPECT_FALSE(doc->isModified());
    totals({10, 9, 8, 7, 5, 4, 3, 2});
    EXPECT_EQ(pilot(7).flyOffPoints, -1);
    EXPECT_EQ(pilot(7).flyOffTime.totalHundredths, 0);
}

// FAI: pilots without a score (disqualified, never flown) stand last and tie with nobody.
TEST_F(Ties, FaiPilotsWithoutScoreStandLast) {
    doc->faiClass = 1;
    pilot(4).dqFlag = pilot(7).dqFlag = 1;
    totals({7000, 6000, 6500, 6500, 7100, 7200, 7300, 7400});
    EXPECT_EQ(order(0), (Numbers{10, 1, 13, 16, 19, 22, 4, 7}));
    EXPECT_EQ(b0().ties, 0);
}

}  // namespace
}  // namespace korva::test
