#include "RegistrationFixture.h"

namespace korva::test {
namespace {

using PlaneRegistration = RegistrationTest;

ScriptedForms::PlaneEdit planeOf(std::int32_t pilot, bool backup) {
    return [=](PlaneForm& f) {
        f.pilotNumber = pilot;
        f.backup = backup;
        f.type = " Nemesis ";
        f.safetyChecked = true;
    };
}

TEST_F(PlaneRegistration, OnePrimaryAndOneBackupPerPilot) {
    ui.expect(158);
    forms.plane(planeOf(1, false)).cancel();
    EXPECT_FALSE(registerPlane(doc, forms));
    EXPECT_EQ(ui.asked[0].text,
              "You are adding a plane for pilot number 1,\nThere is no pilot registered yet with "
              "this number.\nYou must register the pilots first.  ");
    const auto a = add("A", 2, 20);  // comes with its primary plane "Unknown"
    ui.expect(164).expect(293);
    forms.plane(planeOf(a, false)).plane(planeOf(a, true));
    forms.plane(planeOf(a, true)).cancel();
    EXPECT_TRUE(registerPlane(doc, forms, a));
    EXPECT_FALSE(registerPlane(doc, forms, a));
    EXPECT_EQ(forms.planesShown[1].pilotNumber, a);  // "Add Plane" for the selected pilot
    EXPECT_EQ(forms.planeSetups[1].title, "Register Plane");
    EXPECT_EQ(ui.asked[1].text, "Pilot number 1 already has a primary plane assigned.");
    EXPECT_EQ(ui.asked[2].text, "Pilot number 1 already has a backup plane assigned.");
    ASSERT_EQ(doc.planes.size(), 2u);
    EXPECT_EQ(doc.planes[1]->type, "Nemesis");
    EXPECT_EQ(pilot(a).backupPlane(doc.planes), 2);
}

TEST_F(PlaneRegistration, AThirdPlaneIsRefused) {
    const auto a = add("A", 2, 20);
    // An old file may give a pilot two primary planes.
    auto extra = std::make_unique<KORVAPlane>(*doc.planes[0]);
    extra->planeNumber = 2;
    doc.planes.push_back(std::move(extra));
    pilot(a).addPlane(2, ui);
    ui.expect(215);
    forms.plane(planeOf(a, true));
    EXPECT_FALSE(registerPlane(doc, forms));
    EXPECT_EQ(ui.asked[0].text, "A pilot cannot fly more than 2 different planes in one class.");
    EXPECT_EQ(pilot(a).planeCount, 2);
    EXPECT_EQ(doc.planes.size(), 2u);
}

TEST_F(PlaneRegistration, ModifyPlaneMovesItBetweenOwners) {
    const auto a = add("A", 2, 20);
    add("B", 2, 21);
    const auto c = add("C", 2, 22);
    ui.expect(188, Answer::Yes);
    forms.deleteOk();
    ASSERT_TRUE(deletePilot(doc, forms, 2));  // planes: 1 of A, 2 of C
    forms.plane();
    EXPECT_FALSE(modifyPlane(doc, forms, 1));  // unchanged
    ui.expect(233).expect(70400).expect(164);
    forms.plane([](PlaneForm& f) { f.pilotNumber = 2; })
        .plane([](PlaneForm& f) { f.pilotNumber = 4; })
        .plane([&](PlaneForm& f) { f.pilotNumber = c; })
        .plane([&](PlaneForm& f) { f.backup = true; });
    EXPECT_TRUE(modifyPlane(doc, forms, 1));
    EXPECT_EQ(forms.planeSetups.back().title, "Modify Plane");
    EXPECT_EQ(doc.planes[0]->pilotNumber, c);
    EXPECT_EQ(pilot(a).planeCount, 0);
    EXPECT_EQ(pilot(c).backupPlane(doc.planes), 1);
    EXPECT_EQ(pilot(c).primaryPlane(doc.planes), 2);
}

}  // namespace
}  // namespace korva::test
