// The race properties dialogs on the screen: fields set by hand, OK pressed, values stored.

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

#include "AppFixture.h"
#include "AppTestSupport.h"
#include "app/dialogs/QtRaceForms.h"
#include "race/FileIo.h"

namespace korva::test {
namespace {

class PropertiesDialog : public AppFixture {
protected:
    void SetUp() override { ASSERT_TRUE(start({}, false)); }
};

TEST_F(PropertiesDialog, NewRaceIsCreatedFromTheDialogs) {
    {
        DialogDriver driver;
        driver.then("raceProperties", [](QDialog* d) {
            field<QLineEdit>(d, "fileName")->setText("Spring");
            field<QLineEdit>(d, "title")->setText("Spring Cup");
            field<QCheckBox>(d, "class426")->click();
            field<QCheckBox>(d, "class424Apra")->click();
            field<QSpinBox>(d, "awardPlaces")->setValue(5);
            EXPECT_FALSE(field<QCheckBox>(d, "faiClass")->isEnabled());
            screenshot(d, "properties-new");
            press(d);
        });
        driver.then("channelLimits", [](QDialog* d) {
            EXPECT_FALSE(field<QSpinBox>(d, "limit2")->isVisibleTo(d));
            field<QSpinBox>(d, "limit1")->setValue(6);
            screenshot(d, "channel-limits");
            press(d);
        });
        app->newRace();
    }

    KORVARaceDoc* race = app->race();
    ASSERT_NE(race, nullptr);
    EXPECT_EQ(race->raceTitle, "Spring Cup");
    EXPECT_EQ(race->class426, 1);
    EXPECT_EQ(race->class424Apra, 1);
    EXPECT_EQ(race->awardPlaces, 5);
    EXPECT_EQ(race->channelLimit[1], 6);
    EXPECT_TRUE(fileExists(race->pathName()));
    EXPECT_EQ(lastComponent(race->pathName()), "Spring.kvr");
    EXPECT_NE(app->mainFrame()->window(WindowKind::Pilots), nullptr);

    // The open race: its classes cannot be cleared, the new title is kept.
    DialogDriver change;
    change.then("raceProperties", [](QDialog* d) {
        EXPECT_FALSE(field<QCheckBox>(d, "class426")->isEnabled());
        EXPECT_EQ(d->findChild<QLineEdit*>("fileName"), nullptr);
        EXPECT_EQ(d->windowTitle(), "Race Properties");
        field<QLineEdit>(d, "title")->setText("Spring Cup 2");
        field<QCheckBox>(d, "limitChannels")->click();
        screenshot(d, "properties-change");
        press(d);
    });
    app->properties();
    EXPECT_EQ(race->raceTitle, "Spring Cup 2");
    EXPECT_EQ(race->channelLimit, (std::array<std::int32_t, 3>{0, 0, 0}));
    EXPECT_TRUE(race->isModified());
    EXPECT_EQ(settings.getInt("Defaults", "LimitChannels", -1), 0);
    EXPECT_EQ(settings.getInt("Defaults", "LimitChannels428", -1), 6);
}

TEST_F(PropertiesDialog, FaiRaceGoesThroughTheWingFlagAndRotationForms) {
    ui.expect(396, Answer::Yes);
    DialogDriver driver;
    driver.then("raceProperties", [](QDialog* d) {
        field<QLineEdit>(d, "fileName")->setText("World Cup");
        field<QCheckBox>(d, "faiClass")->click();
        EXPECT_FALSE(field<QCheckBox>(d, "class426")->isEnabled());
        EXPECT_FALSE(field<QCheckBox>(d, "userClass")->isEnabled());
        field<QCheckBox>(d, "limitChannels")->click();
        screenshot(d, "properties-fai");
        press(d);
    });
    driver.then("faiColors", [](QDialog* d) {
        field<QRadioButton>(d, "scheme0")->click();
        screenshot(d, "fai-colors");
        press(d);
    });
    driver.then("faiRotation", [](QDialog* d) {
        EXPECT_FALSE(field<QRadioButton>(d, "laneColors")->isEnabled());
        field<QSpinBox>(d, "rotateEvery")->setValue(2);
        EXPECT_TRUE(field<QRadioButton>(d, "laneColors")->isEnabled());
        screenshot(d, "fai-rotation");
        press(d);
    });
    app->newRace();

    KORVARaceDoc* race = app->race();
    ASSERT_NE(race, nullptr);
    EXPECT_EQ(race->faiClass, 1);
    EXPECT_EQ(race->rotateEvery, 2);
    EXPECT_EQ(race->laneColorCode[1], "HB");
}

TEST_F(PropertiesDialog, CancelCreatesNothing) {
    DialogDriver driver;
    driver.then("raceProperties", [](QDialog* d) {
        field<QLineEdit>(d, "fileName")->setText("Nothing");
        press(d, "cancel");
    });
    app->newRace();
    EXPECT_EQ(app->race(), nullptr);
}

TEST_F(PropertiesDialog, RoundQuantityForm) {
    QtRaceForms forms(ui);
    DialogDriver driver;
    driver.then("roundQuantity", [](QDialog* d) {
        field<QSpinBox>(d, "rounds")->setValue(12);
        screenshot(d, "round-quantity");
        press(d);
    });
    const auto result = forms.roundQuantity(RoundQuantityForm{3}, {});
    ASSERT_TRUE(result);
    EXPECT_EQ(result->rounds, 12);
}

}  // namespace
}  // namespace korva::test
