#include <gtest/gtest.h>

#include <climits>

#include "samples/SampleRace.h"
#include "scoring/EnterResultsCommand.h"
#include "scoring/ScoringRules.h"
#include "scoring/ScriptedResultForms.h"
#include "support/TestServices.h"
#include "ui/Strings.h"

namespace korva {
namespace {

using Lanes = std::array<std::int32_t, 4>;

// Types a lane's finish, its time given in hundredths, and its cuts.
void typeRow(KORVAHeatUpdateDlg& form, int lane, int finish, int time, int cuts = 0) {
    typeFinish(form, lane, finish);
    typeTime(form, lane, HeatResultField::Minutes, time / 6000);
    typeTime(form, lane, HeatResultField::Seconds, time / 100 % 60);
    typeTime(form, lane, HeatResultField::Hundredths, time % 100);
    typeCuts(form, lane, cuts);
}

class ResultEntryCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        samples::SampleSize size;
        size.complete = false;
        doc = samples::makeRace(t.services, size);
        t.clock.advance(1000);
    }

    KORVAHeat& heat(int bracket, int round, int number) {
        return *doc->raceMatrix.matrix(bracket).roundAt(round - 1)->heatAt(number - 1);
    }

    bool enter(int bracket, int round, int number) {
        return enterResults(*doc, forms, bracket, round, number, hooks);
    }

    test::TestServices t;
    std::unique_ptr<KORVARaceDoc> doc;
    test::ScriptedResultForms forms;
    // Each standings run as bracket, final flag and the number of messages shown before it.
    std::vector<std::array<int, 3>> runs;
    EnterResultsHooks hooks{[this](int b, bool f) {
        runs.push_back({b, f ? 1 : 0, static_cast<int>(t.ui.asked.size())});
    }};
};

TEST_F(ResultEntryCommandTest, TheLastHeatIsStoredAfterARefusalAndEndsWithFinalStandings) {
    doc = samples::makeRace(t.services, samples::SampleSize());  // every heat complete
    KORVAHeat& h = heat(0, 3, 3);
    h.clearResults(1);
    h.lanePilot[2] = 0;  // three pilots in a four-lane round
    doc->saveReminder = 1;
    forms
        .results([](KORVAHeatUpdateDlg& f) {
            clickOut(f, 0, kDidNotStart);
            typeRow(f, 0, 2, 9625);  // a finish position undoes the DNS
            typeRow(f, 1, 1, 9125);
            typeRow(f, 3, 1, 9825);  // the same place as lane 2
        })
        .results([](KORVAHeatUpdateDlg& f) {
            clickOut(f, 3, kDidNotFinish);
            clickOut(f, 3, kDidNotStart);
        })
        .verify();
    t.ui.expect(str::kFinishDuplicate).expect(str::kSaveReminder, Answer::No);
    ASSERT_TRUE(enter(0, 3, 3));

    const KORVAHeatUpdateDlg& opened = forms.resultsShown[0];
    EXPECT_EQ(heatUpdateTitle(opened), "Enter Results Round 3 Heat 3");
    EXPECT_EQ(opened.rows[0].pilotName, doc->pilotByNumber(h.lanePilot[0])->fullName());
    EXPECT_EQ(opened.rows[0].planeText + " " + opened.rows[0].time().text(), "Red Nemesis 1:40.50");
    // Shown again with everything typed and the cursor on the refused finish.
    EXPECT_EQ(forms.resultsShown[1].rows[3].time().text(), "1:38.25");
    EXPECT_EQ(forms.resultsShown[1].focus, (HeatResultFocus{1, HeatResultField::Finish}));
    EXPECT_EQ(forms.verifiesShown[0].values, (std::array<std::string, 4>{"3", "4", "", "0"}));

    const Timestamp now = t.clock.now();
    EXPECT_EQ(h.lanePoints, (Lanes{3, 4, 0, 0}));  // the winner of three still earns 4
    EXPECT_EQ(h.laneTime[1].totalHundredths, 9125);
    EXPECT_EQ(h.laneStarted, (Lanes{1, 1, 1, 0}));
    EXPECT_EQ(h.laneFinished, (Lanes{1, 1, 1, 1}));
    EXPECT_EQ(h.complete, now);
    EXPECT_EQ(h.modifiedAt, now);
    EXPECT_EQ(doc->raceMatrix.matrix(0).MatrixTime[0], now);
    EXPECT_EQ(doc->changeCount, 1);
    EXPECT_EQ(t.ui.refills, 1);
    // The standings come before the save reminder, so that a save holds them.
    EXPECT_EQ(runs, (std::vector<std::array<int, 3>>{{0, 1, 1}}));
}

TEST_F(ResultEntryCommandTest, ManualPointsCancelsAndTheReopenedCompleteHeat) {
    doc->heatScoring = kScoringManual;
    forms
        .results([](KORVAHeatUpdateDlg& f) {
            for (int l = 0; l < 3; ++l) typeRow(f, l, l + 1, 8025 + 100 * l);
            clickOut(f, 3, kDidNotFinish);
        })
        .cancel()  // back from the points form to the typed results
        .results()
        .scores([](KORVAEnterPilotScores& s) { s.points[1] = 100; })
        .scores([](KORVAEnterPilotScores& s) { s.points[1] = -5; });
    t.ui.expect(str::kEnterIntegerBetween);
    ASSERT_TRUE(enter(2, 1, 1));
    EXPECT_EQ(t.ui.asked[0].text, "Please enter an integer between -99 and 99.");
    EXPECT_EQ(forms.resultsShown[1].rows[2].time().text(), "1:22.25");
    EXPECT_EQ(forms.scoresShown[0].points, (std::array<int, 4>{4, 3, 2, 0}));
    EXPECT_EQ(forms.scoresShown[2].focusLane, 1);
    EXPECT_EQ(heat(2, 1, 1).lanePoints, (Lanes{4, -5, 2, 0}));

    // Reopened, the complete heat shows what was stored; Cancel changes nothing.
    const KORVAHeat stored = heat(2, 1, 1);
    forms.results().scores().cancel();
    t.clock.advance(60);
    ASSERT_TRUE(enter(2, 1, 1));
    EXPECT_EQ(forms.resultsShown[2].rows[3].state, kDidNotFinish);
    EXPECT_EQ(forms.scoresShown.back().points, (std::array<int, 4>{4, -5, 2, 0}));
    EXPECT_FALSE(enter(2, 1, 1));
    EXPECT_EQ(heat(2, 1, 1).complete, t.clock.now());
    EXPECT_EQ(heat(2, 1, 1).laneTime, stored.laneTime);
    EXPECT_EQ(doc->changeCount, 2);
    EXPECT_EQ(runs.size(), 2u);
}

TEST_F(ResultEntryCommandTest, FaiHeatsAreScoredByTimeWhateverTheScoringSetting) {
    doc->faiClass = 1;
    doc->heatScoring = kScoringManual;  // manual points would wreck time scores
    forms
        .results([](KORVAHeatUpdateDlg& f) {
            typeRow(f, 0, 0, 6543, 1);
            clickOut(f, 1, kDidNotStart);
            typeRow(f, 2, 0, 19000, 1);
            typeCuts(f, 3, 2);  // two infringements wipe the time
        })
        .verify();
    ASSERT_TRUE(enter(1, 2, 1));
    EXPECT_EQ(forms.resultsShown[0].rows[0].time().text(), "1:05.50");
    EXPECT_EQ(cutsLabel(forms.resultsShown[0]), "Infringements");
    EXPECT_EQ(forms.verifiesShown[0].values,
              (std::array<std::string, 4>{"71.97", "200.00", "200.00", "200.00"}));
    EXPECT_EQ(heat(1, 2, 1).lanePoints, (Lanes{7197, 20000, 20000, 20000}));
    // Times from a damaged file neither overflow nor escape the cap.
    EXPECT_EQ(faiScore(INT_MAX, 1), 20000);
    EXPECT_LE(faiScore(INT_MIN, 1), 0);
}

}  // namespace
}  // namespace korva
