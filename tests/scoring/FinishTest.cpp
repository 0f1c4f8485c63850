#include <deque>
#include <functional>

#include "scoring/EnterResultsCommand.h"
#include "scoring/Finish.h"
#include "scoring/FlyOffPoints.h"
#include "scoring/StandingsFixture.h"
#include "ui/Strings.h"

namespace korva::test {
namespace {

// Answers the "Adjustments" form: each step edits what is shown, or cancels when empty.
struct ScriptedFlyOffForms : FlyOffPointsForms {
    ~ScriptedFlyOffForms() override { EXPECT_TRUE(steps.empty()) << "unused form steps"; }
    std::optional<FlyOffPointsForm> flyOffPointsForm(const FlyOffPointsForm& form) override {
        shown.push_back(form);
        std::optional<FlyOffPointsForm> out;
        if (steps.empty()) {
            ADD_FAILURE() << "unexpected form";
            return out;
        }
        if (steps.front()) steps.front()(out.emplace(form));
        steps.pop_front();
        return out;
    }
    std::deque<std::function<void(FlyOffPointsForm&)>> steps;
    std::vector<FlyOffPointsForm> shown;
};

// Bracket 0 (1, 4, 7, 10) and bracket 1 (2, 5, 8, 11) over two rounds; 7 and 10 tie.
class Finish : public StandingsFixture {
protected:
    void SetUp() override {
        makeRace(12, 2);
        doc->resolveTiesByFlyOff = 1;
        doc->raceMatrix.Matrixed[2] = 0;
        result(0, 0, 0, {4, 3, 2, 2}, {9000, 9100, 9200, 9300});
        result(1, 0, 0, {4, 3, 2, 1}, {9000, 9100, 9200, 9300});
    }
    void completeRaces() {
        result(0, 1, 0, {4, 3, 1, 2}, {9000, 9100, 9200, 9300});
        result(1, 1, 0, {4, 3, 2, 1}, {9000, 9100, 9200, 9300});
    }
};

TEST_F(Finish, AnsweredNoOnAnOpenRaceChangesNothing) {
    EXPECT_TRUE(canFinish(*doc));
    t.ui.expect(str::kFinishEarly, Answer::No);
    EXPECT_FALSE(finishRace(*standings));
    EXPECT_EQ(doc->raceFinished, 0);
    EXPECT_EQ(pilot(7).flyOffPoints, -1);
    EXPECT_FALSE(doc->isModified());
    EXPECT_EQ(t.ui.refreshes + t.ui.refills + doc->changeCount, 0);

    // Yes finishes early: marked, one change, the final standings ask about the tie.
    t.ui.expect(str::kFinishEarly, Answer::Yes).expect(str::kTieQuestion, Answer::No);
    EXPECT_TRUE(finishRace(*standings));
    EXPECT_EQ(doc->raceFinished, 1);
    EXPECT_EQ(doc->changeCount, 1);
    EXPECT_EQ(pilot(7).flyOffPoints, 0);
    EXPECT_EQ(t.ui.refreshes, 2);

    // No on a finished race takes the finish back.
    t.ui.expect(str::kFinishEarly, Answer::No);
    EXPECT_FALSE(finishRace(*standings));
    EXPECT_EQ(doc->raceFinished, 0);
    EXPECT_EQ(doc->changeCount, 2);
}

// After a stored heat the standings ask nothing until the race is over or finished.
TEST_F(Finish, StoredHeatsRunTheFinalStandingsOnceTheRaceIsOver) {
    const EnterResultsHooks hooks = resultEntryHooks(*standings);
    auto storedHeat = [&] { hooks.runStandings(0, standingsAreFinal(*doc)); };
    storedHeat();
    EXPECT_EQ(doc->totalTies, 1);
    doc->raceFinished = 1;
    t.ui.expect(str::kTieQuestion, Answer::No);
    storedHeat();
    doc->raceFinished = 0;
    completeRaces();
    t.ui.expect(str::kNoTiesPoints).expect(str::kNoTiesPoints);
    storedHeat();
    EXPECT_TRUE(finishRace(*standings));  // complete: no question before finishing

    for (int r : {0, 1}) heat(0, r).complete = heat(1, r).complete = 0;
    EXPECT_FALSE(canFinish(*doc));  // no round with all heats complete
    heat(1, 1).complete = 1;
    EXPECT_TRUE(canFinish(*doc));
}

TEST_F(Finish, SetFlyOffPointsChecksStoresAndCounts) {
    EXPECT_FALSE(canSetFlyOffPoints(*doc, 7));  // no standings run yet
    standings->rebuild();
    EXPECT_TRUE(canSetFlyOffPoints(*doc, 7));
    EXPECT_FALSE(canSetFlyOffPoints(*doc, 4));

    ScriptedFlyOffForms forms;
    forms.steps.push_back({});  // Cancel
    EXPECT_FALSE(setFlyOffPoints(*standings, forms, 7));
    EXPECT_EQ(pilot(7).flyOffPoints, 0);

    forms.steps.push_back([](FlyOffPointsForm& f) {
        f.points = 201;
        f.minutes = 1;
    });
    forms.steps.push_back([](FlyOffPointsForm& f) { f.points = 200; });
    t.ui.expect(str::kEnterIntegerBetween);
    EXPECT_TRUE(setFlyOffPoints(*standings, forms, 7));
    EXPECT_EQ(t.ui.asked.back().text, "Please enter an integer between 0 and 200.");
    ASSERT_EQ(forms.shown.size(), 3u);
    EXPECT_EQ(forms.shown[0].pilotName, "First7 Last7");
    EXPECT_EQ(forms.shown[2].focus, FlyOffPointsField::Points);
    EXPECT_EQ(forms.shown[2].minutes, 1);  // typed values are kept
    EXPECT_EQ(pilot(7).flyOffPoints, 200);
    EXPECT_EQ(doc->changeCount, 1);
    EXPECT_EQ(t.ui.refreshes, 1);
    EXPECT_EQ(standings->fastestOfBracket(0), 6000);  // the fly-off time, faster than all

    // FAI: time and cuts are hidden and neither checked nor changed.
    doc->faiClass = 1;
    pilot(7).flyOffTime.setParts(9, 99, 0);
    forms.steps.push_back([](FlyOffPointsForm& f) { f.points = 3; });
    EXPECT_TRUE(setFlyOffPoints(*standings, forms, 7));
    EXPECT_FALSE(forms.shown.back().timeShown);
    EXPECT_EQ(pilot(7).flyOffPoints, 3);
    EXPECT_EQ(pilot(7).flyOffTime.seconds, 99);
}

TEST_F(Finish, FinishOrderUsesFlyOffsOnlyOnceTheRaceIsOver) {
    standings->rebuild();
    pilot(7).flyOffPoints = 1;
    pilot(10).flyOffPoints = 5;
    auto before = [this](int a, int b) {
        return standings->compareFinish(pilot(a), pilot(b), finishRules(*doc)) < 0;
    };
    EXPECT_TRUE(before(7, 10));  // equal points: the faster best time
    doc->raceFinished = 1;
    EXPECT_TRUE(before(10, 7));

    // FAI: the lower score first, none last; fewer fly-off points first.
    const FinishRules fai{true, true};
    EXPECT_GT(compareTotals(0, 6000, true), 0);
    EXPECT_LT(compareTotals(6, 5, false), 0);
    EXPECT_LT(compareFinishOrder({0, 6000, 1, {9000, false}}, {0, 6000, 2, {8000, false}}, fai), 0);
}

}  // namespace
}  // namespace korva::test
