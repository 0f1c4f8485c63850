#include "RegistrationFixture.h"
#include "samples/SampleRace.h"

namespace korva::test {
namespace {

using PilotRegistration = RegistrationTest;

TEST_F(PilotRegistration, NewPilotGetsAnUnknownPlaneAndGoesToTheMasterFile) {
    doc.fastRegistration = 1;
    const auto n = add("A1", 2, 30);
    ASSERT_EQ(doc.planes.size(), 1u);
    const KORVAPlane& plane = *doc.planes[0];
    EXPECT_EQ(plane.type, "Unknown");
    EXPECT_EQ(plane.mainColor, "Unknown");
    EXPECT_EQ(plane.engine, "Unknown");
    EXPECT_EQ(plane.pilotNumber, n);
    EXPECT_EQ(plane.safetyChecked, 1);
    EXPECT_EQ(pilot(n).primaryPlane(doc.planes), 1);
    EXPECT_EQ(pilot(n).modifiedAt, clock.now());
    EXPECT_EQ(doc.raceMatrix.PilotInfoChanged[0], 1);
    EXPECT_EQ(doc.raceMatrix.ChannelUse[0][30], 1);
    EXPECT_TRUE(services.master.masterChanged);
    ASSERT_NE(services.master.findById("A1"), nullptr);
    EXPECT_EQ(ui.refills, 1);
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(forms.pilotSetups[0].title, "Register Pilot");
}

TEST_F(PilotRegistration, FormChecksAndTrimming) {
    ui.expect(61204).expect(61204).expect(70101).expect(70101);
    forms.pilot(person("1", "", 2, 20))
        .pilot([](PilotForm& f) {
            f.firstName = "  Ann ";
            f.lastName = " ";
        })
        .pilot([](PilotForm& f) {
            f.lastName = "Lee";
            f.pilotId = std::string(33, '9');
        })
        .pilot([](PilotForm& f) {
            f.pilotId = std::string(32, '9');
            f.middleInitial = "abcdef";
        })
        .pilot([](PilotForm& f) {
            f.middleInitial = " jr ";
            f.associationNumber = "k12";
        });
    EXPECT_TRUE(registerPilot(doc, forms));
    EXPECT_EQ(ui.asked[0].text, "You must enter\nFirst Name");
    EXPECT_EQ(ui.asked[1].text, "You must enter\nLast Name");
    EXPECT_EQ(forms.pilotSetups[1].focus, pilotfield::kFirstName);
    EXPECT_EQ(forms.pilotSetups[3].focus, pilotfield::kPilotId);
    EXPECT_EQ(ui.asked[3].text, "Enter no more than 5 characters.");
    const KORVAPilot& p = *doc.pilots.back();
    EXPECT_EQ(p.firstName, "Ann");
    EXPECT_EQ(p.pilotId.size(), 32u);
    EXPECT_EQ(p.middleInitial, "JR");
    EXPECT_EQ(p.associationNumber, "K12");
}

TEST_F(PilotRegistration, ChoosingAMasterIdFillsThePersonalFields) {
    KORVAPilot known = samples::makePilot(5, 2, 20);
    known.pilotId = "555";
    services.master.add(known);
    PilotForm form;
    form.channel = 44;
    ASSERT_TRUE(fillFromMaster(form, services.master, "555"));
    EXPECT_EQ(form.firstName, known.firstName);
    EXPECT_EQ(form.email, known.email);
    EXPECT_EQ(form.channel, 44);  // race fields stay as entered
    EXPECT_FALSE(fillFromMaster(form, services.master, "556"));
    forms.cancel();
    EXPECT_FALSE(registerPilot(doc, forms));
    EXPECT_EQ(forms.pilotSetups[0].masterIds, std::vector<std::string>{"555"});
}

TEST_F(PilotRegistration, MasterRecordWithOtherDataIsReplacedOnlyOnYes) {
    KORVAPilot known = samples::makePilot(5, 2, 20);
    services.master.add(known);
    services.master.masterChanged = false;
    const auto entry = [&](PilotForm& f) {
        f.pilotId = known.pilotId;
        f.firstName = "Changed";
        f.lastName = known.lastName;
        f.classIndex = 2;
        f.channel = 20;
    };
    ui.expect(155, Answer::No);
    forms.pilot(entry);
    EXPECT_TRUE(registerPilot(doc, forms));
    EXPECT_EQ(services.master.pilots[0]->firstName, known.firstName);
    EXPECT_FALSE(services.master.masterChanged);
    ui.expect(157, Answer::Yes).expect(155, Answer::Yes);
    forms.pilot([&](PilotForm& f) {
        entry(f);
        f.classIndex = 3;
    });
    EXPECT_TRUE(registerPilot(doc, forms));
    EXPECT_EQ(services.master.pilots[0]->firstName, "Changed");
    EXPECT_TRUE(services.master.masterChanged);
}

TEST_F(PilotRegistration, DuplicateUnderAnotherIdMergesOnYes) {
    const auto old = add("OLD", 2, 20);
    ui.expect(236, Answer::Yes);
    forms.pilot([](PilotForm& f) {
        f.pilotId = "NEW";
        f.firstName = "OLD";
        f.lastName = "OLDson";
        f.classIndex = 2;
        f.channel = 33;
        f.paid = true;
    });
    EXPECT_TRUE(registerPilot(doc, forms));
    EXPECT_EQ(ui.asked[0].text,
              "You have entered a pilot which is a duplicate,\n of another pilot but with a "
              "different ID. \nID was OLD, ID proposed NEW.\nDo you wish to change the ID for OLD "
              "OLDson ?  ");
    ASSERT_EQ(doc.pilots.size(), 1u);
    EXPECT_EQ(pilot(old).pilotId, "NEW");
    EXPECT_EQ(pilot(old).channel, 33);
    EXPECT_EQ(pilot(old).paid, 1);
    EXPECT_EQ(doc.planes.size(), 1u);
    EXPECT_EQ(services.master.findById("OLD"), nullptr);
    EXPECT_NE(services.master.findById("NEW"), nullptr);
    EXPECT_EQ(services.master.pilots.size(), 1u);
}

TEST_F(PilotRegistration, DuplicateAnsweredNoOrInAnotherClassIsAdded) {
    add("OLD", 2, 20);
    ui.expect(236, Answer::No).expect(236, Answer::Yes);
    forms.pilot(person("NEW", "OLD", 2, 21)).pilot(person("NEWER", "OLD", 3, 21));
    EXPECT_TRUE(registerPilot(doc, forms));
    EXPECT_EQ(doc.pilots.size(), 2u);
    EXPECT_EQ(pilot(1).pilotId, "OLD");
    EXPECT_TRUE(registerPilot(doc, forms));  // both take the new ID, the 426 entry is added
    ASSERT_EQ(doc.pilots.size(), 3u);
    for (const auto& p : doc.pilots) EXPECT_EQ(p->pilotId, "NEWER");
    EXPECT_EQ(doc.planes.size(), 3u);
}

TEST_F(PilotRegistration, AddingToAMatrixedClassTellsToRematrix) {
    add("A", 2, 20);
    doc.raceMatrix.matrix(0).appendRound(std::make_unique<KORVARound>());
    ui.expect(209);
    add("B", 1, 21);
    EXPECT_EQ(ui.asked[0].text,
              "The pilot you are adding,\n is in a class already matrixed.\nYou must re-matrix "
              "APRA to include the new pilot.   ");
}

TEST_F(PilotRegistration, DeleteThenRegisterThenLookUpByNumber) {
    for (const char* id : {"A", "B", "C"}) add(id, 2, 20 + id[0] - 'A');
    forms.plane([](PlaneForm& f) {
        f.pilotNumber = 3;
        f.backup = true;
    });
    ASSERT_TRUE(registerPlane(doc, forms));
    pilot(1).buddy = 2;
    pilot(2).buddy = 1;
    ui.expect(188, Answer::No);
    EXPECT_FALSE(deletePilot(doc, forms, 2));
    ui.expect(188, Answer::Yes).expect(188, Answer::Yes);
    forms.cancel().deleteOk();
    EXPECT_FALSE(deletePilot(doc, forms, 2));
    EXPECT_TRUE(deletePilot(doc, forms, 2));
    EXPECT_EQ(forms.deletesShown[0].text,
              "You are deleting pilot B Bson \n\nPilot number 2 registered in the 424 "
              "class.\n\nAre you sure you want to do this ?");
    EXPECT_EQ(doc.pilotByNumber(2), nullptr);
    EXPECT_EQ(doc.pilotByNumber(3)->pilotId, "C");
    EXPECT_EQ(pilot(1).buddy, 0);
    // Pilot 2's plane is gone; the others are renumbered and still reach their owners.
    ASSERT_EQ(doc.planes.size(), 3u);
    for (const auto& p : doc.pilots) {
        for (int i = 0; i < p->planeCount; ++i) {
            EXPECT_EQ(doc.planeByNumber(p->planeNumbers[static_cast<std::size_t>(i)])->pilotNumber,
                      p->pilotNumber);
        }
    }
    EXPECT_EQ(pilot(3).backupPlane(doc.planes), 3);
    EXPECT_EQ(add("D", 2, 25), 4);
    EXPECT_EQ(doc.pilotByNumber(4)->pilotId, "D");
}

TEST_F(PilotRegistration, TheHighestNumberComesBackWithoutTheDeletedPilotsPlanes) {
    add("A", 2, 20);
    const auto b = add("B", 2, 21);
    forms.plane([&](PlaneForm& f) {
        f.pilotNumber = b;
        f.backup = true;
    });
    ASSERT_TRUE(registerPlane(doc, forms));
    ui.expect(188, Answer::Yes);
    forms.deleteOk();
    ASSERT_TRUE(deletePilot(doc, forms, b));
    EXPECT_EQ(add("C", 2, 22), b);
    EXPECT_EQ(pilot(b).planeCount, 1);
    for (const auto& plane : doc.planes) EXPECT_NE(plane->backup, 1);
}

TEST_F(PilotRegistration, DeletingAMatrixedPilotEmptiesItsLanes) {
    samples::SampleSize size;
    size.complete = false;
    auto race = samples::makeRace(services, size);
    race->saveReminder = 0;
    ui.expect(188, Answer::Yes);
    forms.deleteOk();
    ASSERT_TRUE(deletePilot(*race, forms, 1));
    EXPECT_EQ(race->raceMatrix.matrix(0).laneOfPilot(1), -1);
    EXPECT_EQ(race->raceMatrix.PilotInfoChanged[0], 1);
    EXPECT_EQ(race->pilots.size(), 11u);
}

}  // namespace
}  // namespace korva::test
