#include "RegistrationFixture.h"
#include "registration/RegistrationChecks.h"

namespace korva::test {
namespace {

using Checks = RegistrationTest;

TEST_F(Checks, ChannelBands) {
    EXPECT_TRUE(validateChannel(ui, 45, true));  // silent
    for (int refused : {10, 75, 200, -1}) {
        ui.expect(151);
        EXPECT_FALSE(validateChannel(ui, refused, true)) << refused;
    }
    EXPECT_EQ(ui.asked.back().text,
              "Channel must be between 0 and 9 (50MHz),\nor between 11 and 60 (72MHZ "
              "Aircraft),\nor between 100 and 199 (SS Psuedo Channels)");
    ui.expect(152, Answer::Yes).expect(152, Answer::No);
    EXPECT_TRUE(validateChannel(ui, 5, true));
    EXPECT_FALSE(validateChannel(ui, 150, true));
    EXPECT_EQ(ui.asked.back().text, "Are you sure the pilot is channel 150 ?");
    EXPECT_TRUE(validateChannel(ui, 150, false));
}

TEST_F(Checks, ChannelLimitRefusesTheFourthNewPilot) {
    doc.channelLimit[0] = 3;
    for (const char* id : {"A", "B", "C"}) add(id, 2, 22);
    add("D", 3, 22);  // another bracket does not count
    ui.expect(249);
    forms.pilot(person("E", "E", 2, 22)).cancel();
    EXPECT_FALSE(registerPilot(doc, forms));
    EXPECT_EQ(ui.asked.back().text,
              "Pilot channel of 22 would exceed the limit set at 3.\nMust increase the limit or "
              "change channel. ");
    EXPECT_EQ(forms.pilotsShown.back().pilotId, "E");  // the entry comes back
    EXPECT_EQ(doc.pilots.size(), 4u);
}

TEST_F(Checks, SameIdInOneBracketIsRefusedAndInAnotherAsked) {
    add("77", 2, 20);
    ui.expect(156);
    forms.pilot(person("77", "Other", 1, 21)).cancel();
    EXPECT_FALSE(registerPilot(doc, forms));
    EXPECT_EQ(ui.asked.back().text,
              "PIlot ID 77: 77 77son is already registered in the 424 class. ");

    ui.expect(157, Answer::No).expect(157, Answer::Yes);
    forms.pilot(person("77", "77", 3, 21)).pilot();
    EXPECT_TRUE(registerPilot(doc, forms));
    EXPECT_EQ(ui.asked[1].text,
              "Pilot ID 77: 77 77son is also registered in the 424 class.\nDo you wish to "
              "register in the 426 class ?  ");
    EXPECT_EQ(doc.pilots.size(), 2u);
}

TEST_F(Checks, PilotsWithoutIdDoNotCollide) {
    forms.pilot(person("", "Ann", 2, 20)).pilot(person("", "Bob", 2, 21));
    EXPECT_TRUE(registerPilot(doc, forms));
    EXPECT_TRUE(registerPilot(doc, forms));
    EXPECT_EQ(doc.pilots.size(), 2u);
    EXPECT_TRUE(services.master.pilots.empty());
}

TEST_F(Checks, NoClassAndInactive) {
    ui.expect(144).expect(145, Answer::Cancel).expect(145, Answer::Ok);
    forms.pilot(person("1", "A", -1, 20))
        .pilot([](PilotForm& f) {
            f.classIndex = 2;
            f.active = false;
        })
        .pilot();
    EXPECT_TRUE(registerPilot(doc, forms));
    EXPECT_EQ(doc.pilots.back()->active, 0);
}

TEST_F(Checks, Buddies) {
    const auto other = add("O", 3, 23);  // within the number range of the 424 class
    const auto a = add("A", 2, 20);
    const auto b = add("B", 2, 21);
    const auto c = add("C", 2, 22);
    // Mutual.
    forms.pilot([&](PilotForm& f) { f.buddy = b; });
    EXPECT_TRUE(modifyPilot(doc, forms, a));
    EXPECT_EQ(pilot(b).buddy, a);
    // Taken, self, other class.
    ui.expect(194).expect(252);
    forms.pilot([&](PilotForm& f) { f.buddy = b; }).pilot([&](PilotForm& f) { f.buddy = c; });
    forms.cancel();
    EXPECT_FALSE(modifyPilot(doc, forms, c));
    EXPECT_EQ(ui.asked[0].text, "You cannot buddy with B Bson who is already a buddy of A Ason");
    ui.expect(195);
    forms.pilot([&](PilotForm& f) { f.buddy = other; }).cancel();
    EXPECT_FALSE(modifyPilot(doc, forms, a));
    EXPECT_EQ(ui.asked.back().text,
              "You cannot buddy with O Oson who is flying in a different class - 426");
    EXPECT_EQ(pilot(b).buddy, a);  // refusals leave the buddy alone
    // Changing to another buddy frees the former one.
    forms.pilot([&](PilotForm& f) { f.buddy = c; });
    EXPECT_TRUE(modifyPilot(doc, forms, a));
    EXPECT_EQ(pilot(b).buddy, 0);
    EXPECT_EQ(pilot(c).buddy, a);
}

TEST_F(Checks, BuddyOfADeletedPilotIsAnOrdinarySlip) {
    add("A", 2, 20);
    const auto b = add("B", 2, 21);
    add("C", 2, 22);
    ui.expect(188, Answer::Yes);
    forms.deleteOk();
    ASSERT_TRUE(deletePilot(doc, forms, b));
    ui.expect(70401);
    forms.pilot([&](PilotForm& f) { f.buddy = b; }).cancel();
    EXPECT_FALSE(modifyPilot(doc, forms, 1));
    EXPECT_EQ(ui.asked.back().text,
              "No pilot carries the number 2.\nEnter the number of a registered pilot of the "
              "same class as buddy, or 0 for none.");
    EXPECT_EQ(forms.pilotSetups.back().focus, pilotfield::kBuddy);
}

TEST_F(Checks, RefusedEntryComesBackAtTheRefusedFieldAndRangesNameTheirField) {
    add("A", 2, 20);
    add("B", 2, 21);
    const std::size_t first = forms.pilotSetups.size();
    ui.expect(144).expect(70400).expect(151);
    forms
        .pilot([](PilotForm& f) {
            person("C", "C", -1, 75)(f);
            f.buddy = 1;  // no class yet: the class is asked for, not a range of 0 to 0
        })
        .pilot([](PilotForm& f) {
            f.classIndex = 2;
            f.buddy = 9;
        })
        .pilot([](PilotForm& f) { f.buddy = 0; })
        .pilot([](PilotForm& f) { f.channel = 22; });
    EXPECT_TRUE(registerPilot(doc, forms));
    EXPECT_EQ(ui.asked[1].text, "Buddy:\nPlease enter an integer between 0 and 2.");
    const auto& setups = forms.pilotSetups;
    ASSERT_EQ(setups.size(), first + 4);
    EXPECT_EQ(setups[first + 1].focus, pilotfield::kClass);
    EXPECT_EQ(setups[first + 2].focus, pilotfield::kBuddy);
    EXPECT_EQ(setups[first + 3].focus, pilotfield::kChannel);

    // The plane form likewise: a second primary plane is the backup box's fault.
    ui.expect(164);
    forms.plane([](PlaneForm& f) { f.pilotNumber = 1; }).cancel();
    EXPECT_FALSE(registerPlane(doc, forms));
    EXPECT_EQ(forms.planeSetups.back().focus, planefield::kBackup);
}

}  // namespace
}  // namespace korva::test
