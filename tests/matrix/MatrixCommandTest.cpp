#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "matrix/MatrixCommand.h"
#include "matrix/MatrixFixture.h"
#include "ui/Strings.h"

namespace korva::test {
namespace {

// A scripted Matrix form: each showing is checked and answered by the next step.
class ScriptedForms : public MatrixFormUser {
public:
    using Step = std::function<std::optional<MatrixForm>(MatrixForm)>;
    ~ScriptedForms() override {
        EXPECT_TRUE(steps.empty()) << steps.size() << " form steps unused";
    }
    std::optional<MatrixForm> editMatrixForm(const MatrixForm& form) override {
        shown.push_back(form);
        if (steps.empty()) {
            ADD_FAILURE() << "unexpected showing of the Matrix form";
            return std::nullopt;
        }
        Step step = std::move(steps.front());
        steps.pop_front();
        return step(form);
    }
    std::deque<Step> steps;
    std::vector<MatrixForm> shown;
};

ScriptedForms::Step tickAll(int endRound) {
    return [endRound](MatrixForm f) -> std::optional<MatrixForm> {
        for (auto& row : f.rows) row.ticked = row.visible;
        f.endRound = endRound;
        return f;
    };
}

class BuildMatrixCommand : public ::testing::Test {
protected:
    BuildMatrixCommand() {
        for (int i = 0; i < 12; ++i) race.addPilots(2, {11 + i});
        for (int i = 0; i < 6; ++i) race.addPilots(3, {31 + i});
        race.addPilots(4, {50});
    }
    bool build() {
        MatrixCommand command(race.doc);
        command.hooks.writeTimingFile = [this](KORVARaceDoc&, int b) { timingFiles.push_back(b); };
        bool changed = false;
        return command.BuildMatrix(forms, changed);
    }
    MatrixRace<ScriptedInteraction> race;
    ScriptedForms forms;
    std::vector<int> timingFiles;
};

TEST_F(BuildMatrixCommand, TwelvePilotsThroughTheFormGetTheirRounds) {
    race.doc.raceMatrix.PilotInfoChanged = {1, 0, 0};
    race.doc.timingFileWanted = 1;
    forms.steps.push_back([](MatrixForm f) -> std::optional<MatrixForm> {
        EXPECT_TRUE(f.rows[0].visible && f.rows[0].ticked);
        EXPECT_TRUE(f.rows[1].visible && !f.rows[1].ticked);
        EXPECT_FALSE(f.rows[2].visible);
        EXPECT_EQ(f.rows[0].label, "424");
        EXPECT_EQ(f.rows[2].label, "Q40");
        EXPECT_EQ(f.endRound, 7);
        EXPECT_TRUE(f.inform && f.informVisible);
        f.channelSort = 1;
        return f;
    });
    ASSERT_TRUE(build());
    const KORVARaceMatrix& rm = race.doc.raceMatrix;
    EXPECT_EQ(rm.RoundQuan, 7);
    EXPECT_EQ(rm.Matrixed, (std::array<std::int32_t, 3>{1, 0, 0}));
    EXPECT_EQ(rm.PilotInfoChanged[0], 0);
    EXPECT_EQ(race.doc.changeCount, 1);
    EXPECT_EQ(race.doc.channelSortOrder, 1);
    EXPECT_EQ(race.matrix(0).rounds.size(), 7u);
    EXPECT_EQ(checkRounds(race.doc, 0, 1, 7), "");
    EXPECT_EQ(timingFiles, std::vector<int>{0});
    EXPECT_EQ(race.user.refills, 1);
    EXPECT_NE(race.traceText().find("Generate matrix for all classes\n*****"), std::string::npos);
}

TEST_F(BuildMatrixCommand, StartedRoundsSetTheBeginRoundRange) {
    forms.steps.push_back(tickAll(4));
    ASSERT_TRUE(build());
    race.matrix(0).rounds[0]->heats[0]->complete = 1;
    race.matrix(0).rounds[1]->heats[2]->complete = 1;
    forms.steps.push_back([](MatrixForm f) -> std::optional<MatrixForm> {
        EXPECT_EQ(f.rows[0].beginRound, 3);
        EXPECT_EQ(f.rows[0].beginMin, 3);
        EXPECT_EQ(f.rows[0].beginMax, 5);
        EXPECT_EQ(f.endRound, 4);
        return std::nullopt;
    });
    EXPECT_FALSE(build());
}

TEST_F(BuildMatrixCommand, ARefusedFormComesBackWithTheFocusOnTheField) {
    forms.steps.push_back(tickAll(33));
    forms.steps.push_back([](MatrixForm f) -> std::optional<MatrixForm> {
        EXPECT_EQ(f.focus, MatrixFormField::EndRound);
        return std::nullopt;
    });
    race.user.expect(str::kEndRoundRange);
    EXPECT_FALSE(build());
    EXPECT_EQ(race.user.asked[0].text, "End Round must be between 1 and 32.");
    EXPECT_EQ(race.doc.raceMatrix.Selected, (std::array<std::int32_t, 3>{0, 0, 0}));
    EXPECT_TRUE(race.matrix(0).rounds.empty());

    MatrixForm f = matrixFormDefaults(race.doc);
    f.rows[1].ticked = true;
    f.rows[1].beginRound = 2;
    const MatrixFormCheck check = checkMatrixForm(f);
    EXPECT_FALSE(check.accepted);
    EXPECT_EQ(check.field, MatrixFormField::BeginRound);
    EXPECT_EQ(check.bracket, 1);
    EXPECT_EQ(check.message.text, "Begin Round for class 426 must be between 1 and 1.");
}

TEST_F(BuildMatrixCommand, MissingPlanesStopTheCommand) {
    PilotTraits planeless;
    planeless.channel = 40;
    planeless.classIndex = 3;
    planeless.plane = false;
    race.addPilot(planeless);
    race.user.expect(175);
    EXPECT_FALSE(build());
    race.doc.planes.push_back(std::make_unique<KORVAPlane>());
    forms.steps.push_back(tickAll(3));
    race.user.expect(213);
    EXPECT_FALSE(build());
    EXPECT_EQ(race.user.asked.back().text,
              "Active pilot First20 Last20\nin 426 class, does not have a plane registered.\n"
              "Register a plane or make First20 inactive.");
    race.doc.pilots.back()->active = 0;
    race.doc.planes[0]->safetyChecked = 0;
    forms.steps.push_back(tickAll(3));
    race.user.expect(214);
    EXPECT_FALSE(build());
    EXPECT_TRUE(race.matrix(1).rounds.empty());
}

TEST_F(BuildMatrixCommand, LeavingOutUnpaidPilotsShowsTheFormAgain) {
    for (int i = 12; i < 17; ++i) race.doc.pilots[static_cast<std::size_t>(i)]->paid = 0;
    race.doc.pilots[0]->signedWaiver = 0;
    forms.steps.push_back(tickAll(3));
    forms.steps.push_back([](MatrixForm f) -> std::optional<MatrixForm> {
        EXPECT_FALSE(f.rows[1].visible);
        EXPECT_FALSE(f.rows[1].ticked);
        EXPECT_TRUE(f.rows[0].ticked);
        EXPECT_FALSE(f.informVisible);
        return f;
    });
    race.user.expect(str::kNoWaiverWarning, Answer::Yes).expect(str::kUnpaidWarning, Answer::No);
    ASSERT_TRUE(build());
    EXPECT_NE(race.user.asked[1].text.find("One such pilot: First13 Last13"), std::string::npos);
    EXPECT_EQ(race.doc.raceMatrix.IncludeUnpaid, 0);
    EXPECT_EQ(race.doc.raceMatrix.IncludeNoWaiver, 1);
    EXPECT_EQ(race.doc.raceMatrix.Matrixed, (std::array<std::int32_t, 3>{1, 0, 0}));

    forms.steps.push_back(tickAll(3));
    race.user.expect(str::kNoWaiverWarning, Answer::Cancel);
    EXPECT_FALSE(build());
}

TEST_F(BuildMatrixCommand, ALockedBracketIsSkippedWhileOthersAreBuilt) {
    race.doc.locked424 = 1;
    forms.steps.push_back(tickAll(3));
    race.user.expect(433);
    ASSERT_TRUE(build());
    EXPECT_TRUE(race.matrix(0).rounds.empty());
    EXPECT_EQ(race.matrix(1).rounds.size(), 3u);
    EXPECT_NE(
        race.traceText().find("**************************************************\nVersion 1.2.0\n"
                              "********* Matrix locked for class=424 Cannot re-Matrix until "
                              "unlocked *********\n*****"),
        std::string::npos);
}

TEST_F(BuildMatrixCommand, AFailingBracketStopsTheOthers) {
    race.doc.raceMatrix.Matrixed[0] = 1;
    forms.steps.push_back(tickAll(3));
    race.user.expect(415, Answer::Cancel);
    EXPECT_FALSE(build());
    EXPECT_TRUE(race.matrix(1).rounds.empty());
    EXPECT_TRUE(timingFiles.empty());
    EXPECT_EQ(race.user.refills, 1);
}

// A new lane rotation rebuilds the open rounds of every matrixed bracket and nothing else.
TEST_F(BuildMatrixCommand, RegenerationRotatesTheOpenRoundsOnly) {
    forms.steps.push_back(tickAll(5));
    ASSERT_TRUE(build());
    race.doc.raceMatrix.RoundQuan = 9;
    KORVAHeat& started = *race.matrix(0).rounds[0]->heats[0];
    started.complete = 1;
    const std::array<std::int32_t, 4> startedLanes = started.lanePilot;

    GenerationOptions seeded;
    seeded.seed = 77;
    int ticks = 0;
    seeded.tick = [&ticks] { ++ticks; };
    auto regenerate = [&] {
        race.user.expect(251, Answer::Yes).expect(415, Answer::Yes).expect(415, Answer::Yes);
        MatrixCommand command(race.doc, seeded);
        bool changed = false;
        EXPECT_TRUE(command.RegenerateOpenRounds(changed));
        race.user.verifyDone();
        race.user.asked.clear();
        return lanePilots(race.matrix(0));
    };
    const auto unrotated = regenerate();
    race.doc.faiClass = 1;
    race.doc.rotateEvery = 1;
    const auto rotated = regenerate();
    EXPECT_GT(ticks, 0);  // the generator showed signs of life

    EXPECT_EQ(race.matrix(0).rounds[0]->heats[0]->lanePilot, startedLanes);
    EXPECT_EQ(race.doc.raceMatrix.RoundQuan, 9);
    EXPECT_EQ(race.matrix(1).rounds.size(), 5u);
    EXPECT_EQ(checkRounds(race.doc, 0, 2, 5), "");
    EXPECT_EQ(race.matrix(0).LaneQuan, 4);
    // Rotation counts from round 2, the first open one: one more lane each round.
    ASSERT_EQ(rotated.size(), unrotated.size());
    EXPECT_EQ(rotated[0], unrotated[0]);
    EXPECT_EQ(rotated[1], unrotated[1]);
    for (std::size_t r = 2; r < rotated.size(); ++r) {
        const std::size_t shift = r - 1;
        for (std::size_t at = 0; at < rotated[r].size(); at += 4) {
            for (std::size_t l = 0; l < 4; ++l)
                EXPECT_EQ(rotated[r][at + l], unrotated[r][at + (l + shift) % 4]) << r;
        }
    }
}

}  // namespace
}  // namespace korva::test
