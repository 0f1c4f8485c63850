#include <deque>
#include <functional>

#include "scoring/Finish.h"
#include "scoring/FlyOffPoints.h"
#include "scoring/StandingsFixture.h"
#include "ui/Strings.h"

namespace korva::test {
namespace {

// Answers the "Adjustments" form from a script: each step edits the form, or cancels it.
class ScriptedFlyOffForms : public FlyOffPointsForms {
public:
    using Edit = std::function<void(FlyOffPointsForm&)>;
    ~ScriptedFlyOffForms() override { EXPECT_TRUE(steps.empty()) << "unused form steps"; }
    std::optional<FlyOffPointsForm> flyOffPointsForm(const FlyOffPointsForm& form) override {
        shown.push_back(form);
        if (steps.empty()) {
            ADD_FAILURE() << "unexpected form";
            return std::nullopt;
        }
        const Edit edit = steps.front();
        steps.pop_front();
        if (!edit) return std::nullopt;
        FlyOffPointsForm out = form;
        edit(out);
        return out;
    }
    std::deque<Edit> steps;
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
    EXPECT_EQ(doc->changeCount, 0);
    EXPECT_EQ(doc->totalTies, 0);
    EXPECT_EQ(pilot(7).flyOffPoints, -1);
    EXPECT_FALSE(doc->isModified());
    EXPECT_EQ(t.ui.refreshes + t.ui.refills, 0);

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

TEST_F(Finish, CompleteRaceFinishesWithoutAsking) {
    completeRaces();
    doc->raceFinished = 1;
    t.ui.expect(str::kNoTiesPoints);
    EXPECT_TRUE(finishRace(*standings));
    EXPECT_EQ(doc->changeCount, 0);  // already finished: nothing to count

    KORVARaceDoc empty(t.services);
    EXPECT_FALSE(canFinish(empty));
    for (int b : {0, 1}) {
        for (int r : {0, 1}) heat(b, r).complete = 0;
    }
    heat(1, 1).complete = 1;
    EXPECT_TRUE(canFinish(*doc));
    heat(1, 1).complete = 0;
    EXPECT_FALSE(canFinish(*doc));  // no round with all heats complete
}

TEST_F(Finish, StoredHeatsRunTheFinalStandingsOnceTheRaceIsOver) {
    standingsAfterStoredHeat(*standings);  // rounds still open: no message
    EXPECT_EQ(doc->totalTies, 1);
    doc->raceFinished = 1;
    t.ui.expect(str::kTieQuestion, Answer::No);
    standingsAfterStoredHeat(*standings);
    doc->raceFinished = 0;
    completeRaces();
    t.ui.expect(str::kNoTiesPoints);
    standingsAfterStoredHeat(*standings);
}

TEST_F(Finish, SetFlyOffPointsChecksStoresAndCounts) {
    EXPECT_FALSE(canSetFlyOffPoints(*doc, 7));  // no standings run yet
    standings->rebuild();
    EXPECT_TRUE(canSetFlyOffPoints(*doc, 7));
    EXPECT_FALSE(canSetFlyOffPoints(*doc, 4));
    EXPECT_FALSE(canSetFlyOffPoints(*doc, 99));

    ScriptedFlyOffForms forms;
    forms.steps.push_back({});  // Cancel
    EXPECT_FALSE(setFlyOffPoints(*standings, forms, 7));
    EXPECT_EQ(pilot(7).flyOffPoints, 0);

    forms.steps.push_back([](FlyOffPointsForm& f) {
        f.points = 201;
        f.seconds = 20;
        f.minutes = 1;
        f.cuts = 1;
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
    EXPECT_EQ(pilot(7).flyOffTime.totalHundredths, 8000);
    EXPECT_EQ(pilot(7).flyOffCuts, 1);
    EXPECT_EQ(doc->changeCount, 1);
    EXPECT_EQ(t.ui.refreshes, 1);
    EXPECT_EQ(standings->bestTime(pilot(7)).total, 8000);  // faster than its rounds
    EXPECT_EQ(standings->fastestOfBracket(0), 8000);

    // FAI: time and cuts are hidden and neither checked nor changed.
    doc->faiClass = 1;
    pilot(7).flyOffTime.setParts(9, 99, 0);
    forms.steps.push_back([](FlyOffPointsForm& f) { f.points = 3; });
    EXPECT_TRUE(setFlyOffPoints(*standings, forms, 7));
    EXPECT_FALSE(forms.shown.back().timeShown);
    EXPECT_EQ(pilot(7).flyOffPoints, 3);
}

TEST_F(Finish, FinishOrderUsesFlyOffsOnlyOnceTheRaceIsOver) {
    standings->rebuild();
    pilot(7).flyOffPoints = 1;
    pilot(10).flyOffPoints = 5;
    auto before = [this](int a, int b) {
        return standings->compareFinish(pilot(a), pilot(b), finishRules(*doc)) < 0;
    };
    EXPECT_TRUE(before(7, 10));  // equal points: the faster best time
    EXPECT_TRUE(before(10, 2));  // bracket first
    doc->raceFinished = 1;
    EXPECT_TRUE(before(10, 7));
    doc->resolveTiesByFlyOff = 0;
    EXPECT_TRUE(before(7, 10));

    const FinishRules fai{true, true};
    EXPECT_LT(compareTotals(5000, 6000, true), 0);
    EXPECT_GT(compareTotals(0, 6000, true), 0);
    EXPECT_LT(compareTotals(6, 5, false), 0);
    FinishKey a{0, 6000, 1, {9000, false}};
    FinishKey b{0, 6000, 2, {8000, false}};
    EXPECT_LT(compareFinishOrder(a, b, fai), 0);  // fewer fly-off points first in FAI
    b.flyOffPoints = 1;
    EXPECT_GT(compareFinishOrder(a, b, fai), 0);
    b.best = {9000, true};
    EXPECT_LT(compareFinishOrder(a, b, fai), 0);  // at equal times, no cut first
    b.best = {0, false};
    EXPECT_LT(compareFinishOrder(a, b, fai), 0);  // a time before none
}

}  // namespace
}  // namespace korva::test
