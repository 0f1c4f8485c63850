// Creating a race through the properties form: checks in order, file, defaults.

#include "RacePropertiesFixture.h"
#include "race/FileIo.h"
#include "properties/RaceDefaults.h"
#include "properties/RaceProperties.h"

namespace korva::test {
namespace {

using Props = RaceProperties;
using Limits = ChannelLimitForm;

class CreateRace : public RacePropertiesFixture {};

TEST_F(CreateRace, ShowsTheDefaultsAndStoresTheRaceInItsKvrFile) {
    settings.setInt("Defaults", "AwardPlaces", 6);
    settings.setString("Defaults", "PrintFont", "Arial");
    forms.ok<Props>([](Props& v) {
        v.fileName = " Spring ";
        v.title = "  Spring Cup ";
        v.class424Apra = true;
    });
    forms.ok<Limits>([](Limits& f) { f.limits[0] = 5; });

    ASSERT_TRUE(editRaceProperties(host, true));

    const Props& shown = forms.shownProperties.at(0);
    EXPECT_EQ(shown.awardPlaces, 6);
    EXPECT_EQ(shown.printFont, "Arial");
    EXPECT_EQ(shown.title, "");
    EXPECT_EQ(shown.userClassName, "MyClassName");
    EXPECT_TRUE(forms.setups.at(0).creating);
    EXPECT_EQ(forms.setups.at(0).titlePlaceholder, "Some Title");
    // Only the raced bracket's row, labelled after the rules it is flown under.
    EXPECT_EQ(forms.shownLimits.at(0).shown, (std::array<bool, 3>{true, false, false}));
    EXPECT_EQ(forms.shownLimits.at(0).labels[0], "APRA");

    const std::string path = folder.file("Spring.kvr");
    ASSERT_TRUE(installed);
    EXPECT_EQ(installed->pathName(), path);
    EXPECT_FALSE(installed->isModified());
    EXPECT_EQ(services.raceFileName, "Spring.kvr");
    EXPECT_EQ(menuRefreshes, 1);

    KORVARaceDoc reread(services);
    reread.loadFile(path);
    EXPECT_EQ(reread.raceTitle, "Spring Cup");
    EXPECT_EQ(reread.class424Apra, 1);
    EXPECT_EQ(reread.awardPlaces, 6);
    EXPECT_EQ(reread.channelLimit, (std::array<std::int32_t, 3>{5, 3, 3}));
    EXPECT_EQ(reread.maxLanes, (std::array<std::int32_t, 3>{4, 4, 4}));
    EXPECT_EQ(reread.minLanes, (std::array<std::int32_t, 3>{3, 3, 3}));
    EXPECT_EQ(reread.menuIds[0], 322);
    EXPECT_EQ(settings.getInt("Defaults", "LimitChannels424", 0), 5);
}

TEST_F(CreateRace, RefusesInOrderAndKeepsTheEntries) {
    writeFileAtomically(folder.file("Taken.kvr"), {1});
    ui.expect(70400).expect(336).expect(148).expect(61204).expect(61455);
    forms.ok<Props>([](Props& v) {
        v.limitChannels = false;
        v.fileName = "Taken";
        v.flagLanes = {1, 5, 3, 4};
    });
    forms.ok<Props>([](Props& v) { v.flagLanes = {1, 2, 2, 4}; });
    forms.ok<Props>([](Props& v) { v.flagLanes = {4, 3, 2, 1}; });
    forms.ok<Props>([](Props& v) {
        tick426(v);
        v.fileName = "   ";
    });
    forms.ok<Props>([](Props& v) { v.fileName = "Taken.kvr"; });
    forms.cancel<Props>();

    EXPECT_FALSE(editRaceProperties(host, true));
    EXPECT_EQ(forms.refusedAt, (std::vector<FormField>{FormField::FlagLanes, FormField::FlagLanes,
                                                       FormField::Classes, FormField::FileName,
                                                       FormField::FileName}));
    EXPECT_FALSE(installed);
    EXPECT_FALSE(settings.contains("Defaults", "AwardPlaces"));
}

TEST_F(CreateRace, CancelOfTheChannelLimitsReturnsToTheFormAndMakesNoFile) {
    forms.ok<Props>([](Props& v) {
        tick426(v);
        v.fileName = "Spring";
    });
    forms.cancel<Limits>();
    forms.cancel<Props>();

    EXPECT_FALSE(editRaceProperties(host, true));
    EXPECT_EQ(forms.refusedAt, std::vector<FormField>{FormField::LimitChannels});
    EXPECT_FALSE(fileExists(folder.file("Spring.kvr")));
}

TEST_F(CreateRace, UnlimitedChannelsStoreZerosButKeepTheShownLimitsAsDefaults) {
    settings.setInt("Defaults", "LimitChannels428", 7);
    forms.ok<Props>([](Props& v) {
        tick426(v);
        v.fileName = "Open";
        v.limitChannels = false;
    });

    ASSERT_TRUE(editRaceProperties(host, true));
    EXPECT_EQ(installed->channelLimit, (std::array<std::int32_t, 3>{0, 0, 0}));
    EXPECT_EQ(settings.getInt("Defaults", "LimitChannels", -1), 0);
    EXPECT_EQ(settings.getInt("Defaults", "LimitChannels424", -1), 3);
    EXPECT_EQ(settings.getInt("Defaults", "LimitChannels428", -1), 7);
    EXPECT_EQ(settings.getInt("Defaults", "LimitChannelsQ40", -1), 3);
}

TEST_F(CreateRace, FaiRaceWritesHighBlueAndLeavesTheLaneDefaultsAlone) {
    ui.expect(396, Answer::Yes);
    forms.ok<Props>([](Props& v) {
        v.faiClass = true;
        v.fileName = "World Cup";
        v.limitChannels = false;
        v.flagLanes = {4, 1, 2, 3};
        v.maxThreeLanes = true;
        v.heatScoring = 2;
    });
    forms.ok<FaiColorsForm>([](FaiColorsForm& f) { f.wingFlagSet = 0; });
    forms.ok<FaiRotationForm>([](FaiRotationForm& f) { f.rotateEvery = 2; });

    ASSERT_TRUE(editRaceProperties(host, true));
    EXPECT_EQ(forms.shownColors.at(0).flagLanes, (std::array<int, 4>{4, 1, 2, 3}));
    EXPECT_EQ(installed->laneColorCode, (std::array<std::string, 4>{"HB", "HG", "HR", "LG"}));
    EXPECT_EQ(installed->rotateEvery, 2);
    EXPECT_EQ(installed->thirdBracketName(), "FAI");
    EXPECT_FALSE(settings.contains("Defaults", "Limit3Lanes"));
    EXPECT_FALSE(settings.contains("Defaults", "LowGreenLane"));
    EXPECT_FALSE(settings.contains("Defaults", "HeatScoring"));
    EXPECT_FALSE(settings.contains("Defaults", "StaggeredStart"));
    EXPECT_TRUE(settings.contains("Defaults", "AwardPlaces"));
}

TEST_F(CreateRace, FaiSchemeOneKeepsLowRed) {
    forms.ok<Props>([](Props& v) {
        v.faiClass = true;
        v.fileName = "Scheme1";
        v.limitChannels = false;
    });
    forms.ok<FaiColorsForm>([](FaiColorsForm& f) { f.wingFlagSet = 1; });
    forms.ok<FaiRotationForm>();

    ASSERT_TRUE(editRaceProperties(host, true));
    EXPECT_EQ(installed->laneColorCode, (std::array<std::string, 4>{"LG", "LR", "HG", "HR"}));
    EXPECT_EQ(installed->wingFlagSet, 1);
}

TEST_F(CreateRace, RotationConfirmationsAndTheirNo) {
    // Each No keeps the rotation form open; Cancel of the colours returns to the race form.
    ui.expect(397, Answer::No).expect(396, Answer::No).expect(374, Answer::No);
    ui.expect(373, Answer::Yes);
    forms.ok<Props>([](Props& v) {
        v.userClass = false;
        v.faiClass = true;
        v.fileName = "Rotate";
        v.limitChannels = false;
    });
    forms.cancel<FaiColorsForm>();
    forms.ok<Props>();
    forms.ok<FaiColorsForm>();
    forms.ok<FaiRotationForm>([](FaiRotationForm& f) { f.rotateEvery = 1; });
    forms.ok<FaiRotationForm>([](FaiRotationForm& f) { f.rotateEvery = 3; });
    forms.ok<FaiRotationForm>([](FaiRotationForm& f) {
        f.rotateEvery = 1;
        f.rotationKind = 1;
    });
    forms.ok<FaiRotationForm>([](FaiRotationForm& f) { f.rotateEvery = 4; });

    ASSERT_TRUE(editRaceProperties(host, true));
    EXPECT_EQ(ui.asked.at(1).text,
              "The race course will have to change the lane colors every 3 rounds.\n\n"
              "Are you sure ?  ");
    EXPECT_EQ(installed->rotateEvery, 4);
    EXPECT_EQ(installed->rotationKind, 1);
    EXPECT_EQ(regenerations, 0);
}

}  // namespace
}  // namespace korva::test
