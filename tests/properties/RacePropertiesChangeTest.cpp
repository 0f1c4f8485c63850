// Changing the open race's properties: what the form shows, what may change, what is stored.

#include "RacePropertiesFixture.h"
#include "properties/RaceProperties.h"
#include "properties/RacePropertiesRules.h"
#include "ui/Strings.h"

namespace korva::test {
namespace {

using Props = RaceProperties;
using Limits = ChannelLimitForm;

class ChangeRace : public RacePropertiesFixture {};

TEST_F(ChangeRace, ShowsTheRaceAndAppliesTheChanges) {
    openRace();
    forms.ok<Props>([](Props& v) {
        v.class424Ama = true;
        v.title = "Autumn Cup";
    });
    forms.ok<Limits>();

    ASSERT_TRUE(editRaceProperties(host, false));
    const Props& shown = forms.shownProperties.at(0);
    EXPECT_EQ(shown.title, "Spring Cup");
    EXPECT_EQ(shown.awardPlaces, 5);
    EXPECT_TRUE(shown.limitChannels);
    EXPECT_EQ(shown.channelLimits, (std::array<int, 3>{2, 4, 0}));
    // "HR", "LG", "LR", "HG" in lanes 1..4.
    EXPECT_EQ(shown.flagLanes, (std::array<int, 4>{2, 3, 4, 1}));
    EXPECT_EQ(forms.setups.at(0).windowTitle, "Race Properties");
    EXPECT_FALSE(forms.setups.at(0).creating);

    EXPECT_EQ(race->raceTitle, "Autumn Cup");
    EXPECT_EQ(race->class424Ama, 1);
    EXPECT_TRUE(race->isModified());
    EXPECT_EQ(race->laneColorCode, (std::array<std::string, 4>{"HR", "LG", "LR", "HG"}));
    EXPECT_EQ(race->menuIds[0], 321 + 3);
    EXPECT_EQ(ui.refills, 1);  // the classes changed
    EXPECT_EQ(menuRefreshes, 1);
}

TEST_F(ChangeRace, RacedClassesCannotBeCleared) {
    openRace();
    const RacePropertiesSetup setup = propertiesSetup(race.get());
    Props v = propertiesOf(*race);
    ClassBoxStates s = classBoxStates(v, setup);
    EXPECT_FALSE(s.c426);
    EXPECT_TRUE(s.ama424 && s.apra424 && s.q40);
    EXPECT_FALSE(s.fai || s.user || s.userName);

    race->class424Apra = 1;
    race->class426 = 0;
    s = classBoxStates(propertiesOf(*race), propertiesSetup(race.get()));
    EXPECT_FALSE(s.ama424 || s.apra424);  // a raced 424 locks both of its rule boxes
    EXPECT_TRUE(s.c426);
}

TEST_F(ChangeRace, AFormThatClearsARacedClassCannotRemoveIt) {
    openRace();
    forms.ok<Props>([](Props& v) {
        v.class426 = false;
        v.class424Ama = true;
        v.userClass = true;
        v.limitChannels = false;
    });
    ASSERT_TRUE(editRaceProperties(host, false));
    EXPECT_EQ(race->class426, 1);
    EXPECT_EQ(race->class424Ama, 1);
    EXPECT_EQ(race->userClass, 0);
}

TEST_F(ChangeRace, SpecialRacesLockTheOrdinaryClassesButNameTheirOwn) {
    openRace();
    race->class426 = 0;
    race->userClass = 1;
    race->classQ40 = 1;
    race->userClassName = "Club";
    const Props v = propertiesOf(*race);
    EXPECT_TRUE(v.classQ40);
    const ClassBoxStates s = classBoxStates(v, propertiesSetup(race.get()));
    EXPECT_FALSE(s.ama424 || s.apra424 || s.c426 || s.q40 || s.fai || s.user);
    EXPECT_TRUE(s.userName);
    EXPECT_EQ(channelLimitForm(v).labels[2], "Club");
}

TEST_F(ChangeRace, CreatingFollowsTheTickedClasses) {
    RacePropertiesSetup setup;  // creating
    Props v;
    tickClassBox(v, ClassBox::Ama424, true);
    tickClassBox(v, ClassBox::Apra424, true);
    EXPECT_FALSE(v.class424Ama);
    EXPECT_TRUE(v.class424Apra);
    ClassBoxStates s = classBoxStates(v, setup);
    EXPECT_FALSE(s.fai || s.user || s.userName);

    tickClassBox(v, ClassBox::Apra424, false);
    tickClassBox(v, ClassBox::Fai, true);
    s = classBoxStates(v, setup);
    EXPECT_FALSE(s.ama424 || s.apra424 || s.c426 || s.q40 || s.user || s.userName);
    EXPECT_TRUE(s.fai);

    tickClassBox(v, ClassBox::Fai, false);
    s = classBoxStates(v, setup);
    EXPECT_TRUE(s.ama424 && s.c426 && s.q40 && s.fai && s.user && s.userName);
}

TEST_F(ChangeRace, FormRulesWhileEditing) {
    ui.expect(139, Answer::No).expect(139, Answer::Yes);
    EXPECT_EQ(chooseMatrixType(ui, 1), 0);
    EXPECT_EQ(chooseMatrixType(ui, 1), 1);
    EXPECT_EQ(chooseMatrixType(ui, 0), 0);

    Props v;
    tickSaveReminder(v, false);
    EXPECT_EQ(v.saveReminder, 0);
    tickSaveReminder(v, true);
    EXPECT_EQ(v.saveReminder, 10);
    tickColorPrinting(v, false);
    EXPECT_FALSE(v.heatCardLaneColors);
    EXPECT_FALSE(heatLaneColorsEnabled(v));
}

TEST_F(ChangeRace, ChangedRotationOfAMatrixedFaiRaceAsksToBuildAgain) {
    openRace(true);
    race->rotateEvery = 2;
    race->raceMatrix.Matrixed[2] = 1;
    ui.expect(396, Answer::Yes).expect(406, Answer::No);
    ui.expect(396, Answer::Yes).expect(406, Answer::Yes);
    forms.ok<Props>([](Props& v) { v.limitChannels = false; });
    forms.ok<FaiColorsForm>();
    forms.ok<FaiRotationForm>([](FaiRotationForm& f) { f.rotateEvery = 3; });
    forms.ok<FaiRotationForm>([](FaiRotationForm& f) {
        EXPECT_EQ(f.rotateEvery, 2);  // No put the stored period back
        f.rotateEvery = 5;
    });

    ASSERT_TRUE(editRaceProperties(host, false));
    EXPECT_EQ(ui.asked.at(1).text,
              "You have changed the matrix rotate frequency from 2 to 3.\nThis requires "
              "generating the matrix again.\n\nDo you wish to do this ? ");
    EXPECT_EQ(race->rotateEvery, 5);
    EXPECT_EQ(regenerations, 1);
}

TEST_F(ChangeRace, UnchangedRotationNeedsNoNewMatrix) {
    openRace(true);
    race->rotateEvery = 0;
    race->raceMatrix.Matrixed[2] = 1;
    forms.ok<Props>([](Props& v) { v.limitChannels = false; });
    forms.ok<FaiColorsForm>();
    forms.ok<FaiRotationForm>();

    ASSERT_TRUE(editRaceProperties(host, false));
    EXPECT_EQ(regenerations, 0);
}

TEST_F(ChangeRace, SameClassesRedrawWithoutRefill) {
    openRace();
    forms.ok<Props>([](Props& v) { v.title = "New title"; });
    forms.ok<Limits>();

    ASSERT_TRUE(editRaceProperties(host, false));
    EXPECT_EQ(ui.refills, 0);
    EXPECT_EQ(ui.refreshes, 1);
}

TEST_F(ChangeRace, CancelLeavesTheRaceAsItWas) {
    openRace();
    const auto before = race->encode();
    forms.ok<Props>([](Props& v) {
        v.title = "Other";
        v.class424Ama = true;
    });
    forms.cancel<Limits>();
    forms.cancel<Props>();

    EXPECT_FALSE(editRaceProperties(host, false));
    EXPECT_EQ(race->encode(), before);
    EXPECT_FALSE(race->isModified());
    EXPECT_FALSE(settings.contains("Defaults", "AwardPlaces"));
}

TEST(FlagLanes, CodesThatNameTooFewColoursStillGiveFourDifferentLanes) {
    // An FAI race reads three entries; the colour left out takes the lane left over.
    EXPECT_EQ(flagLanesFromCodes({"HB", "HR", "LG", "HG"}, true), (std::array<int, 4>{3, 1, 4, 2}));
    EXPECT_EQ(flagLanesFromCodes({"LR", "LR", "??", "HG"}, false),
              (std::array<int, 4>{1, 2, 4, 3}));
}

TEST_F(ChangeRace, TextsAreCheckedForTheRaceFileAndStoredAsRaceText) {
    openRace();
    ui.expect(str::kUnencodable);
    forms.ok<Props>([](Props& v) { v.title = "\xC5\x81\xC3\xB3" "d\xC5\xBA"; })  // Łódź
        .ok<Props>([](Props& v) { v.title = "K\xC3\xB6ln"; })
        .ok<Limits>();
    ASSERT_TRUE(editRaceProperties(host, false));
    EXPECT_EQ(forms.refusedAt, std::vector<FormField>{FormField::Title});
    EXPECT_EQ(race->raceTitle, "K\xF6ln");
}

}  // namespace
}  // namespace korva::test
