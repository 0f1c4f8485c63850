// Registering, changing and deleting pilots and planes through the real dialogs, and what the
// pilot and plane lists then show.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "AppFixture.h"
#include "AppTestSupport.h"
#include "ListViewSupport.h"
#include "race/KORVAPilotMaster.h"

namespace korva::test {
namespace {

class RegistrationDialogs : public AppFixture {
protected:
    // A race of three classes without pilots or matrices.
    void startEmptyRace() {
        samples::SampleSize size;
        size.pilots = 0;
        size.rounds = 0;
        ASSERT_TRUE(start({QString::fromStdString(sampleRace("Empty.kvr", size))}));
        app->mainFrame()->resize(1100, 750);
    }

    void run(Cmd cmd) {
        app->commands().update();
        ASSERT_TRUE(app->commands().action(cmd)->isEnabled());
        app->commands().action(cmd)->trigger();
    }
};

void typeInto(QDialog* d, const char* name, const QString& text) {
    auto* edit = field<QLineEdit>(d, name);
    edit->clear();
    QTest::keyClicks(edit, text);
}

TEST_F(RegistrationDialogs, TwoPilotsAndAPlaneRegisteredShowInBothLists) {
    startEmptyRace();
    KORVAPilot onFile;
    onFile.pilotId = "A100";
    onFile.firstName = "Ruth";
    onFile.lastName = "Nichols";
    onFile.city = "Cedar Falls";
    app->services().master.add(onFile);
    onFile.pilotId = "L1";
    onFile.firstName = "Maximiliana Evangelina";
    onFile.lastName = "Fitzgerald-Worthington-Montgomery";
    app->services().master.add(onFile);

    DialogDriver driver;
    driver.then("pilotForm", [](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Register Pilot");
        EXPECT_EQ(field<QLabel>(d, "pilotNumber")->text(), "1");
        // A long name on file widens the drop-down list, not the form.
        auto* id = field<QComboBox>(d, "pilotId");
        EXPECT_LT(d->width(), 700);
        EXPECT_GE(id->view()->minimumWidth(), id->fontMetrics().horizontalAdvance(id->itemText(1)));
        screenshot(d, "pilot-form-long-name");
        id->showPopup();
        screenshot(id->view()->window(), "pilot-form-long-name-list");
        id->hidePopup();
        // Typing an ID of the master file and Enter fill the personal fields.
        EXPECT_EQ(id->count(), 2);
        QTest::keyClicks(id->lineEdit(), "A100");
        QTest::keyClick(id->lineEdit(), Qt::Key_Return);
        EXPECT_EQ(field<QLineEdit>(d, "firstName")->text(), "Ruth");
        EXPECT_EQ(field<QLineEdit>(d, "city")->text(), "Cedar Falls");
        EXPECT_TRUE(d->isVisible());
        field<QRadioButton>(d, "class3")->click();
        typeInto(d, "channel", "22");
        field<QCheckBox>(d, "paid")->setChecked(true);
        field<QCheckBox>(d, "signedWaiver")->setChecked(true);
        screenshot(d, "pilot-form");
        press(d);
    });
    run(Cmd::AddNew);

    ui.expect(61204);  // "You must enter" the last name
    driver.then("pilotForm", [](QDialog* d) {
        typeInto(d, "firstName", "  Amos ");
        typeInto(d, "middleInitial", "j");
        field<QRadioButton>(d, "class2")->click();
        typeInto(d, "channel", "33");
        field<QAbstractButton>(d, "ok")->click();
        // Refused by the check: the form stays, at the missing field.
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(d->focusWidget()->objectName(), "lastName");
        EXPECT_EQ(field<QLineEdit>(d, "firstName")->text(), "Amos");
        typeInto(d, "lastName", "Boyd");
        press(d);
    });
    run(Cmd::AddNew);
    ui.verifyDone();

    KORVARaceDoc& race = *app->race();
    ASSERT_EQ(race.pilots.size(), 2u);
    EXPECT_EQ(race.currentSelection, 2);  // the pilot just registered, ready for a plane
    EXPECT_EQ(race.pilots[1]->middleInitial, "J");
    EXPECT_EQ(race.pilots[1]->classIndex, 2);

    app->mainFrame()->showWindow(WindowKind::Planes);
    driver.then("planeForm", [](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Register Plane");
        // The types the race already has are offered.
        EXPECT_EQ(field<QComboBox>(d, "type")->findText("Unknown"), 0);
        field<QComboBox>(d, "type")->setEditText("Nemesis");
        field<QComboBox>(d, "mainColor")->setEditText("Yellow");
        field<QComboBox>(d, "engine")->setEditText("Nelson");
        typeInto(d, "pilotNumber", "2");
        field<QCheckBox>(d, "safetyChecked")->setChecked(true);
        field<QCheckBox>(d, "backup")->setChecked(true);
        screenshot(d, "plane-form");
        press(d);
    });
    run(Cmd::AddNew);

    const auto* pilots = pilotView(*app);
    EXPECT_EQ(texts(pilots, 0), (QStringList{"Amos Boyd", "Ruth Nichols"}));
    EXPECT_EQ(texts(pilots, 2), (QStringList{"424", "426"}));
    EXPECT_EQ(texts(pilots, 5), (QStringList{"33", "22"}));
    const auto* planes = planeView(*app);
    EXPECT_EQ(texts(planes, 0), (QStringList{"Ruth Nichols", "Amos Boyd", "Amos Boyd"}));
    EXPECT_EQ(texts(planes, 3), (QStringList{"Unknown", "Unknown", "Yellow"}));
    EXPECT_EQ(texts(planes, 2), (QStringList{"426", "424", " "}));  // the backup has no class
    EXPECT_EQ(planes->windowTitle(), "Planes - Sample Race");
    EXPECT_EQ(planes->document().selectedPlane, 3);
}

TEST_F(RegistrationDialogs, EnterAndDoubleClickChangeTheSelectedPilotOrPlane) {
    ASSERT_TRUE(start({QString::fromStdString(sampleRace("Spring.kvr", 6))}));
    KORVAPilotView* pilots = pilotView(*app);
    pilots->sortBySection(1);
    pilots->selectRow(3);
    EXPECT_EQ(app->race()->currentSelection, 4);

    DialogDriver driver;
    driver.then("pilotForm", [](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Modify Pilot");
        EXPECT_EQ(field<QLabel>(d, "pilotNumber")->text(), "4");
        EXPECT_TRUE(field<QRadioButton>(d, "class2")->isChecked());
        typeInto(d, "channel", "59");
        press(d);
    });
    pilots->list()->setFocus();
    QTest::keyClick(pilots->list(), Qt::Key_Return);
    EXPECT_EQ(app->race()->pilotByNumber(4)->channel, 59);
    EXPECT_EQ(texts(pilots, 5).at(3), "59");
    EXPECT_EQ(pilots->selectedRow(), 3);  // still selected after the refill

    KORVAPlaneView* planes =
        qobject_cast<KORVAPlaneView*>(app->mainFrame()->showWindow(WindowKind::Planes));
    driver.then("planeForm", [](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Modify Plane");
        field<QComboBox>(d, "mainColor")->setEditText("Green");
        press(d);
    });
    const QRect second = planes->list()->visualRect(planes->list()->model()->index(1, 3));
    QTest::mouseClick(planes->list()->viewport(), Qt::LeftButton, {}, second.center());
    QTest::mouseDClick(planes->list()->viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(app->race()->planes[1]->mainColor, "Green");
    EXPECT_EQ(texts(planes, 3).at(1), "Green");
}

TEST_F(RegistrationDialogs, DeletingTheSelectedPilotFromThePilotMenu) {
    ASSERT_TRUE(start({QString::fromStdString(sampleRace("Spring.kvr", 6))}));
    KORVAPilotView* pilots = pilotView(*app);
    pilots->sortBySection(1);
    app->commands().update();
    EXPECT_FALSE(app->commands().action(Cmd::DeletePilot)->isEnabled());
    pilots->selectRow(1);

    ui.expect(188, Answer::Yes);
    DialogDriver driver;
    driver.then("deletePilot", [](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Delete Pilot");
        EXPECT_TRUE(field<QLabel>(d, "message")
                        ->text()
                        .startsWith("You are deleting pilot First2 Q Last2\n\nPilot number 2"));
        screenshot(d, "delete-pilot");
        press(d);
    });
    run(Cmd::DeletePilot);
    EXPECT_EQ(app->race()->pilots.size(), 5u);
    EXPECT_EQ(texts(pilots, 1), (QStringList{"1", "3", "4", "5", "6"}));
    EXPECT_EQ(pilots->selectedRow(), -1);

    // Cancel in the form keeps the pilot.
    pilots->selectRow(0);
    ui.expect(188, Answer::Yes);
    driver.then("deletePilot", [](QDialog* d) { press(d, "cancel"); });
    run(Cmd::DeletePilot);
    EXPECT_EQ(app->race()->pilots.size(), 5u);
    EXPECT_EQ(planeView(*app)->rowCount(), 5);  // the planes went with their pilot

    // The Delete key asks the same; a pilot without middle initial shows no double blank.
    app->mainFrame()->showWindow(WindowKind::Pilots);
    app->race()->pilotByNumber(1)->middleInitial.clear();
    ui.expect(188, Answer::Yes);
    driver.then("deletePilot", [](QDialog* d) {
        EXPECT_TRUE(field<QLabel>(d, "message")
                        ->text()
                        .startsWith("You are deleting pilot First1 Last1 \n"));
        press(d, "cancel");
    });
    QTest::keyClick(pilots->list(), Qt::Key_Delete);
}

}  // namespace
}  // namespace korva::test
