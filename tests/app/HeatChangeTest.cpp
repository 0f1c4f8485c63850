// Changing heats by hand on the screen: the Swap Pilots dialog in its three types, a refused
// and a made swap, the resets with their enabling, the timing-system files, and a CSV import
// through the file dialog and the bracket choice.

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStatusBar>
#include <QTreeView>

#include "AppFixture.h"
#include "AppTestSupport.h"
#include "app/views/KORVAHeatView.h"
#include "race/FileIo.h"
#include "scoring/Standings.h"
#include "ui/Strings.h"

namespace korva::test {
namespace {

constexpr int kCaution = 70500;
constexpr int kSamePilotTwice = 70502;
constexpr int kReprintReminder = 70508;
constexpr int kResetRoundQuestion = 70511;
constexpr int kImported = 425;

QString label(QDialog* d, const char* name) {
    auto* l = field<QLabel>(d, name);
    return l ? l->text() : QString();
}

void setText(QDialog* d, const char* name, const QString& text) {
    if (auto* edit = field<QLineEdit>(d, name)) edit->setText(text);
}

void clickOk(QDialog* d) {
    d->findChild<QAbstractButton*>(QStringLiteral("ok"))->click();
}

class HeatChange : public AppFixture {
protected:
    // The sample race of 24 pilots, eight in each class, every heat flown or none.
    void startRace(bool complete, const std::function<void(KORVARaceDoc&)>& adjust = {}) {
        samples::SampleSize size;
        size.pilots = 24;
        size.complete = complete;
        ASSERT_TRUE(start({QString::fromStdString(sampleRace("Spring.kvr", size, adjust))}));
        frame()->resize(1200, 720);
        action(Cmd::ViewHeats)->trigger();
        ASSERT_NE(heatView(), nullptr);
    }
    CMainFrame* frame() const { return app->mainFrame(); }
    QAction* action(Cmd cmd) const {
        frame()->commands().update();
        return frame()->commands().action(cmd);
    }
    KORVAHeatView* heatView() const {
        return qobject_cast<KORVAHeatView*>(frame()->window(WindowKind::Heats));
    }
    KORVAHeat& heat(int bracket, int round, int number) const {
        return *app->race()->raceMatrix.matrix(bracket).roundAt(round)->heatAt(number);
    }
};

TEST_F(HeatChange, TheSwapDialogFollowsItsTypeRefusesWithoutChangeAndMovesAPilot) {
    startRace(false, [](KORVARaceDoc& race) { race.classQ40 = 0; });
    const auto before = app->race()->encode();
    EXPECT_TRUE(action(Cmd::SwapPilots)->isEnabled());
    ui.expect(kCaution, Answer::Yes);
    {
        DialogDriver driver;
        driver.then("swapPilots", [this](QDialog* d) {
            EXPECT_EQ(label(d, "firstLabel"), "Swap this Pilot ==> Heat");
            EXPECT_TRUE(field<QRadioButton>(d, "bracket0")->isChecked());
            EXPECT_FALSE(field<QRadioButton>(d, "bracket2")->isEnabled());  // Q40 not raced
            EXPECT_EQ(label(d, "range"),
                      "Heats 1 to 3, lanes 1 to 4, rounds 1 to 3; only heats "
                      "without results");
            screenshot(d, "swap-pilots-slots");
            for (const auto& [type, shot] : {std::pair{"type1", "pilots"}, {"type2", "channels"}}) {
                field<QRadioButton>(d, type)->click();
                EXPECT_FALSE(field<QLineEdit>(d, "round")->isVisibleTo(d));
                EXPECT_FALSE(field<QLineEdit>(d, "secondLane")->isVisibleTo(d));
                screenshot(d, QStringLiteral("swap-pilots-%1").arg(shot));
            }
            EXPECT_EQ(label(d, "secondLabel"), "With Channel ==>");
            EXPECT_EQ(label(d, "range"), "Channels 0 to 199; every round not yet started");
            field<QRadioButton>(d, "type0")->click();
            EXPECT_TRUE(field<QLineEdit>(d, "round")->isVisibleTo(d));
            // A heat the bracket does not have is refused by the form itself.
            setText(d, "first", "4");
            ui.expect(str::kFieldIntegerBetween);
            clickOk(d);
            EXPECT_TRUE(d->isVisible());
            EXPECT_EQ(ui.asked.back().text,
                      "Swap this Pilot:\nPlease enter an integer between 1 and 3.");
            // Heats 1 and 3 of round 1 both hold pilot 1 in lane 1.
            setText(d, "first", "1");
            setText(d, "second", "3");
            ui.expect(kSamePilotTwice);
            clickOk(d);
        });
        driver.then("swapPilots", [](QDialog* d) {
            EXPECT_EQ(field<QLineEdit>(d, "second")->text(), "3");  // back as typed
            press(d, "cancel");
        });
        action(Cmd::SwapPilots)->trigger();
    }
    EXPECT_EQ(app->race()->encode(), before);
    EXPECT_FALSE(app->race()->isModified());

    // Pilot 1 (heat 1, lane 1) and pilot 13 (heat 2, lane 1) of round 1.
    ui.expect(kCaution, Answer::Yes).expect(kReprintReminder);
    DialogDriver driver;
    driver.then("swapPilots", [](QDialog* d) {
        setText(d, "second", "2");
        clickOk(d);
    });
    action(Cmd::SwapPilots)->trigger();
    ui.verifyDone();
    EXPECT_EQ(heat(0, 0, 0).lanePilot[0], 13);
    EXPECT_EQ(heat(0, 0, 1).lanePilot[0], 1);
    EXPECT_EQ(heat(0, 1, 0).lanePilot[0], 13);  // other rounds keep their pilots
    EXPECT_TRUE(app->race()->isModified());
    const QString lane1 = heatView()->list()->model()->index(0, 2).data().toString();
    EXPECT_TRUE(lane1.startsWith("FQ Last13 ")) << lane1.toStdString();
}

TEST_F(HeatChange, ResetsFollowTheSelectedHeatAndTheTimingFilesFollowTheLayout) {
    startRace(true);
    const int tiesFlown = app->standings()->totalTies();
    EXPECT_FALSE(action(Cmd::ResetHeat)->isEnabled());
    EXPECT_FALSE(action(Cmd::ResetRound)->isEnabled());
    heatView()->selectRow(1);
    ASSERT_TRUE(action(Cmd::ResetHeat)->isEnabled());
    action(Cmd::ResetHeat)->trigger();  // no question
    EXPECT_FALSE(heat(0, 0, 1).isComplete());
    EXPECT_FALSE(action(Cmd::ResetHeat)->isEnabled());
    EXPECT_TRUE(action(Cmd::ResetRound)->isEnabled());  // heats 1 and 3 still have results
    EXPECT_TRUE(heatView()->list()->model()->index(1, 0).data(Qt::DecorationRole).isNull());

    ui.expect(kResetRoundQuestion, Answer::Ok);
    action(Cmd::ResetRound)->trigger();
    ui.verifyDone();
    EXPECT_FALSE(heat(0, 0, 0).isComplete() || heat(0, 0, 2).isComplete());
    EXPECT_TRUE(heat(0, 1, 0).isComplete());
    EXPECT_FALSE(action(Cmd::ResetRound)->isEnabled());
    // The ties are those of the results left (the reset made some), as after a stored
    // result.
    RaceStandings fresh(*app->race());
    fresh.rebuild();
    EXPECT_NE(fresh.totalTies(), tiesFlown);
    EXPECT_EQ(app->standings()->totalTies(), fresh.totalTies());

    EXPECT_EQ(action(Cmd::OutputTimingFile)->statusTip(), "Create file for Timing System program");
    action(Cmd::HeatCards)->trigger();
    EXPECT_FALSE(action(Cmd::OutputTimingFile)->isEnabled());
    action(Cmd::HeatSheets)->trigger();
    ASSERT_TRUE(action(Cmd::OutputTimingFile)->isEnabled());
    action(Cmd::OutputTimingFile)->trigger();
    EXPECT_EQ(app->race()->timingFileWanted, 1);
    EXPECT_EQ(frame()->statusBar()->currentMessage(), "Timing system files written");
    for (const char* name : {"Spring_424.INI", "Spring_426.INI", "Spring_Q40.INI"}) {
        EXPECT_TRUE(fileExists(work.file(name))) << name;
    }
}

TEST_F(HeatChange, EveryNewMatrixRewritesTheTimingFilesTheRaceAsksFor) {
    samples::SampleSize size;
    size.pilots = 24;
    size.rounds = 0;
    ASSERT_TRUE(start({QString::fromStdString(
        sampleRace("Spring.kvr", size, [](KORVARaceDoc& r) { r.timingFileWanted = 1; }))}));
    const std::string file = work.file("Spring_426.INI");
    {
        DialogDriver driver;
        driver.then("matrixForm", [](QDialog* d) {
            field<QAbstractButton>(d, "class1")->click();
            press(d);
        });
        action(Cmd::BuildMatrix)->trigger();
    }
    EXPECT_TRUE(fileExists(file));
    EXPECT_FALSE(fileExists(work.file("Spring_424.INI")));  // not matrixed
    ASSERT_TRUE(QFile::remove(QString::fromStdString(file)));
    ui.expect(415, Answer::Yes);
    ASSERT_TRUE(app->regenerateOpenRounds(*app->race()));
    ui.verifyDone();
    EXPECT_NE(readWholeFile(file).size(), 0u);
}

TEST_F(HeatChange, ImportedPilotsArriveThroughTheFileAndBracketDialogs) {
    startRace(false);
    const std::string csv = work.file("entries.csv");
    {
        QFile out(QString::fromStdString(csv));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(
            "AMA,Last,First,Team,Category\r\n5001,Novak,Eva,33,Sport\r\n"
            "5002,Brandt,J\xC3\xB6rg,41\r\n");
    }
    const std::size_t pilotsBefore = app->race()->pilots.size();
    DialogDriver driver;
    driver.then("openCsvFile", [csv](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Open CSV File of Pilots");
        // Typed as a director would: a chosen entry depends on when the listing comes in.
        field<QLineEdit>(d, "fileNameEdit")->setText(QString::fromStdString(csv));
        d->accept();  // the file dialog's own checks, through the public slot
    });
    driver.then("importBracket", [](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Select Bracket to Import");
        EXPECT_TRUE(field<QRadioButton>(d, "bracket0")->isChecked());
        field<QRadioButton>(d, "bracket1")->click();
        screenshot(d, "import-bracket");
        press(d);
    });
    ui.expect(kImported);
    action(Cmd::ImportPilots)->trigger();
    ui.verifyDone();
    const KORVARaceDoc& race = *app->race();
    ASSERT_EQ(race.pilots.size(), pilotsBefore + 2);
    const KORVAPilot& last = *race.pilots.back();
    EXPECT_EQ(last.firstName, "J\xF6rg");  // the race's single-byte text
    EXPECT_EQ(last.classIndex, 3);
    EXPECT_EQ(race.planes.back()->type, "Unknown");
    frame()->showWindow(WindowKind::Pilots);
    EXPECT_EQ(frame()->window(WindowKind::Pilots)->rowCount(), static_cast<int>(pilotsBefore + 2));
}

}  // namespace
}  // namespace korva::test
