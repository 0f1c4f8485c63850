#include "RegistrationFixture.h"
#include "samples/SampleRace.h"

namespace korva::test {
namespace {

using PilotChange = RegistrationTest;

// Sample race of three matrixed brackets; pilot 1 (424, channel 18) shares heats with
// pilot 4 on channel 39.
class MatrixedPilotChange : public RegistrationTest {
protected:
    std::unique_ptr<KORVARaceDoc> race(bool complete) {
        samples::SampleSize size;
        size.complete = complete;
        auto r = samples::makeRace(services, size);
        r->saveReminder = 0;
        return r;
    }
};

TEST_F(PilotChange, UnchangedEntryChangesNothing) {
    const auto n = add("A", 2, 20);
    const int changes = doc.changeCount;
    forms.pilot();
    EXPECT_FALSE(modifyPilot(doc, forms, n));
    EXPECT_EQ(doc.changeCount, changes);
    EXPECT_EQ(forms.pilotSetups.back().title, "Modify Pilot");
}

TEST_F(PilotChange, PersonalDataAndIdChangesOfferTheMasterFile) {
    const auto n = add("A", 2, 20);
    ui.expect(165, Answer::Yes).expect(231, Answer::No);
    forms.pilot([](PilotForm& f) { f.city = "Dayton"; }).pilot([](PilotForm& f) {
        f.pilotId = "B";
    });
    clock.advance(60);
    EXPECT_TRUE(modifyPilot(doc, forms, n));
    EXPECT_EQ(services.master.findById("A")->city, "Dayton");
    EXPECT_EQ(pilot(n).modifiedAt, clock.now());
    EXPECT_TRUE(modifyPilot(doc, forms, n));
    EXPECT_EQ(ui.asked[1].text, "You are changing pilots ID from A to B.\nIs this Correct ?");
    EXPECT_EQ(pilot(n).pilotId, "B");
    EXPECT_EQ(services.master.findById("B"), nullptr);  // No keeps the master record
}

TEST_F(PilotChange, ClassChangeWithoutMatrixIsSilentAndStamped) {
    const auto n = add("A", 2, 20);
    ui.expect(144);
    forms.pilot([](PilotForm& f) { f.classIndex = -1; }).cancel();
    EXPECT_FALSE(modifyPilot(doc, forms, n));
    clock.advance(5);
    forms.pilot([](PilotForm& f) { f.classIndex = 3; });
    EXPECT_TRUE(modifyPilot(doc, forms, n));
    EXPECT_EQ(pilot(n).bracket, 1);
    EXPECT_EQ(pilot(n).classChangedAt, clock.now());
    EXPECT_EQ(doc.raceMatrix.ChannelUse[1][20], 1);
    EXPECT_EQ(doc.raceMatrix.ChannelUse[0][20], 0);
}

TEST_F(MatrixedPilotChange, ClassChangeAsksOnceAMatrixExists) {
    auto open = race(false);
    ui.expect(295, Answer::No);
    forms.pilot([](PilotForm& f) { f.classIndex = 3; }).cancel();
    EXPECT_FALSE(modifyPilot(*open, forms, 1));
    EXPECT_EQ(open->pilotByNumber(1)->classIndex, 2);
    auto started = race(true);
    ui.expect(294, Answer::Yes);
    forms.pilot([](PilotForm& f) { f.classIndex = 3; });
    EXPECT_TRUE(modifyPilot(*started, forms, 1));
    EXPECT_EQ(started->raceMatrix.PilotInfoChanged[0], 1);
    EXPECT_EQ(started->raceMatrix.PilotInfoChanged[1], 1);
}

TEST_F(MatrixedPilotChange, ChannelChangeListsTheTasks) {
    auto r = race(false);
    r->locked424 = 1;
    r->heatSheetsPrintedAt[0] = clock.now();
    r->pilotCardsPrintedAt = clock.now();
    ui.expect(270, Answer::No).expect(270, Answer::Yes);
    forms.pilot([](PilotForm& f) { f.channel = 39; }).pilot();
    clock.advance(100);
    EXPECT_TRUE(modifyPilot(*r, forms, 1));
    EXPECT_EQ(ui.asked[0].text,
              "The change of pilot First1 Last1 to channel 39 in class 424 requires tasks to be "
              "performed for class 424: \n  - Re-Matrix all non-started rounds\n  - Make sure "
              "First1 Last1 does not fly in any round partially complete\n  - Re-Print Heat "
              "Sheets for all non-started rounds\n  - Re-Print Heat Cards for all non-started "
              "rounds\n  - Re-Print Pilot Info Cards\n\nAre you sure you want to make this "
              "channel change ?");
    EXPECT_EQ(ui.asked[0].icon, Icon::Warning);
    EXPECT_EQ(r->pilotByNumber(1)->channel, 39);
    EXPECT_EQ(r->raceMatrix.PilotInfoChanged[0], 1);
    EXPECT_EQ(r->raceMatrix.ChannelUse[0][39], 2);
    const KORVAHeat& heat = *r->raceMatrix.matrix(0).rounds[0]->heats[0];
    ASSERT_TRUE(heat.containsPilot(1));
    EXPECT_EQ(heat.modifiedAt, clock.now());
}

TEST_F(MatrixedPilotChange, ChannelChangeWithoutConflictOrPrintIsSilent) {
    auto r = race(false);
    forms.pilot([](PilotForm& f) { f.channel = 50; });
    EXPECT_TRUE(modifyPilot(*r, forms, 1));
    r->locked424 = 1;  // printed cards alone still ask, with only their task
    ui.expect(270, Answer::Yes);
    forms.pilot([](PilotForm& f) { f.channel = 51; });
    EXPECT_TRUE(modifyPilot(*r, forms, 1));
    EXPECT_EQ(ui.asked[0].text.find("Re-Matrix"), std::string::npos);
    EXPECT_NE(ui.asked[0].text.find("Re-Print Heat Cards"), std::string::npos);
}

TEST_F(PilotChange, ChannelLimitAppliesToAChangedChannel) {
    doc.channelLimit[0] = 1;
    add("A", 2, 22);
    const auto b = add("B", 2, 23);
    ui.expect(249);
    forms.pilot([](PilotForm& f) { f.channel = 22; }).cancel();
    EXPECT_FALSE(modifyPilot(doc, forms, b));
    EXPECT_EQ(pilot(b).channel, 23);
}

}  // namespace
}  // namespace korva::test
