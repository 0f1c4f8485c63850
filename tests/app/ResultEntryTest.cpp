// Entering heat results on the screen, from the keyboard alone: the heat window in its card
// layout, the Enter Results form with its live rules, a refusal and the form again, the
// confirmation forms, and the next open heat selected for the next entry.

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QTest>
#include <QTreeView>

#include "AppFixture.h"
#include "AppTestSupport.h"
#include "app/views/KORVAHeatView.h"
#include "ui/Strings.h"

namespace korva::test {
namespace {

// The control of the open dialog that has the keyboard focus, or will have it once the
// dialog is active; a spin box rather than the line edit inside it.
QWidget* focused() {
    QWidget* top = QApplication::activeModalWidget();
    QWidget* w = top ? top->focusWidget() : QApplication::focusWidget();
    if (w && qobject_cast<QAbstractSpinBox*>(w->parentWidget())) return w->parentWidget();
    return w;
}

QString focusedName() {
    QWidget* w = focused();
    return w ? w->objectName() : QStringLiteral("(none)");
}

// The dialog as it comes up under a window manager: active, with the keyboard.
void activate(QDialog* d) {
    d->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(d));
}

// Keys as the director types them, each to whatever has the focus then. "\t" is Tab,
// "^" Shift+Tab, " " Space, "\n" Enter.
void type(const QString& keys) {
    for (const QChar c : keys) {
        QWidget* target = focused();
        ASSERT_NE(target, nullptr) << "no focus before '" << QString(c).toStdString() << "'";
        if (c == '\t') {
            QTest::keyClick(target, Qt::Key_Tab);
        } else if (c == '^') {
            QTest::keyClick(target, Qt::Key_Backtab, Qt::ShiftModifier);
        } else if (c == '\n') {
            QTest::keyClick(target, Qt::Key_Return);
        } else if (c == ' ') {
            QTest::keyClick(target, Qt::Key_Space);
        } else {
            QTest::keyClicks(target, QString(c));
        }
    }
}

int spin(QDialog* d, const char* name) {
    auto* s = field<QSpinBox>(d, name);
    return s ? s->value() : -1;
}

bool checked(QDialog* d, const char* name) {
    auto* box = field<QCheckBox>(d, name);
    return box && box->isChecked();
}

class ResultEntry : public AppFixture {
protected:
    // A race of three classes whose heats are all still to be flown.
    void startOpenRace(const std::function<void(KORVARaceDoc&)>& adjust = {}) {
        samples::SampleSize size;
        size.complete = false;
        ASSERT_TRUE(start({QString::fromStdString(sampleRace("Open.kvr", size, adjust))}));
        frame()->resize(1280, 760);
        action(Cmd::ViewHeats)->trigger();
        ASSERT_NE(heatView(), nullptr);
    }
    CMainFrame* frame() const { return app->mainFrame(); }
    QAction* action(Cmd cmd) const { return frame()->commands().action(cmd); }
    KORVAHeatView* heatView() const {
        return qobject_cast<KORVAHeatView*>(frame()->window(WindowKind::Heats));
    }
    QString cell(int row, int column) const {
        return heatView()->list()->model()->index(row, column).data().toString();
    }
    int selectedRow() const {
        const QModelIndexList rows = heatView()->list()->selectionModel()->selectedRows();
        return rows.isEmpty() ? -1 : rows.first().row();
    }
    // The director's hands on the heat list: arrow keys, then Enter for the form.
    void pressInList(Qt::Key key) {
        heatView()->list()->setFocus();
        QTest::keyClick(heatView()->list(), key);
        frame()->commands().update();
    }
    KORVAHeat& heat(int bracket, int round, int number) const {
        return *app->race()
                    ->raceMatrix.matrix(bracket)
                    .rounds[static_cast<std::size_t>(round)]
                    ->heats[static_cast<std::size_t>(number)];
    }
};

TEST_F(ResultEntry, AHeatTypedFromTheKeyboardIsRefusedOnceThenStoredAndShownOnItsCard) {
    startOpenRace();
    action(Cmd::HeatCards)->trigger();
    EXPECT_TRUE(action(Cmd::HeatCards)->isChecked());
    EXPECT_FALSE(action(Cmd::HeatSheets)->isChecked());
    EXPECT_EQ(cell(0, 2), "Finish=0 Time=0:00.00 Cuts=0 Pts=0 FQ Last1 ");
    // The window opened at the first heat to fly.
    ASSERT_EQ(selectedRow(), 0);
    EXPECT_TRUE(action(Cmd::EnterResults)->isEnabled());

    DialogDriver driver;
    driver.then("resultsForm", [](QDialog* d) {
        activate(d);
        EXPECT_EQ(d->windowTitle(), "Enter Results Round 1 Heat 1");
        EXPECT_EQ(field<QLabel>(d, "cutsHeading")->text(), "Cuts");
        EXPECT_EQ(focusedName(), "finish1");
        // A bracket-0 heat opens at 1:40.50; every field is typed over, not into.
        EXPECT_EQ(spin(d, "seconds2"), 40);
        type("1\t1\t30\t25\t0\t\t\t");
        type("1\t1\t32\t0\t\t\t\t");
        // DNS, then DNF: the second clears the first and the row's values.
        type("4\t\t\t\t\t \t ");
        EXPECT_FALSE(checked(d, "dns3"));
        EXPECT_TRUE(checked(d, "dnf3"));
        EXPECT_EQ(spin(d, "finish3"), 0);
        EXPECT_EQ(spin(d, "minutes3"), 0);
        // Two cuts: no finish and no time.
        type("\t3\t\t\t\t2");
        EXPECT_EQ(spin(d, "finish4"), 0);
        EXPECT_EQ(spin(d, "seconds4"), 0);
        screenshot(d, "enter-results");
        type("\n");
    });
    ui.expect(str::kFinishDuplicate);
    driver.then("resultsForm", [](QDialog* d) {
        activate(d);
        // Back with everything typed and the cursor on the finish the message is about.
        EXPECT_EQ(focusedName(), "finish1");
        EXPECT_EQ(spin(d, "finish2"), 1);
        EXPECT_EQ(spin(d, "hundredths1"), 25);
        EXPECT_TRUE(checked(d, "dnf3"));
        EXPECT_EQ(spin(d, "cuts4"), 2);
        type("\t\t\t\t\t\t\t2\n");
    });
    driver.then("verifyScores", [](QDialog* d) {
        activate(d);
        EXPECT_EQ(d->windowTitle(), "Verify Pilot Scores");
        EXPECT_EQ(field<QLabel>(d, "name1")->text(), "First1 Last1");
        EXPECT_EQ(field<QLabel>(d, "value1")->text(), "4");
        EXPECT_EQ(field<QLabel>(d, "value2")->text(), "3");
        auto* value = field<QLabel>(d, "value1");
        EXPECT_GE(QFontMetrics(value->font()).height(), value->height() * 3 / 4);
        screenshot(d, "verify-scores");
        type("\n");
    });
    pressInList(Qt::Key_Return);
    ui.verifyDone();

    const KORVAHeat& stored = heat(0, 0, 0);
    EXPECT_TRUE(stored.isComplete());
    EXPECT_EQ(stored.laneTime[0].totalHundredths, 9025);
    EXPECT_EQ(stored.lanePoints, (std::array<std::int32_t, 4>{4, 3, 0, 0}));
    EXPECT_TRUE(app->race()->isModified());
    EXPECT_EQ(cell(0, 2), "Finish=1 Time=1:30.25 Cuts=0 Pts=4 FQ Last1 ");
    EXPECT_EQ(cell(0, 4), "DNF Points=0 FQ Last7");
    EXPECT_EQ(cell(0, 5), "Max Cuts  Points=0 FQ Last10");
    EXPECT_FALSE(heatView()->list()->model()->index(0, 0).data(Qt::DecorationRole).isNull());
    // The next heat is selected, ready for Enter.
    EXPECT_EQ(selectedRow(), 1);
    QCoreApplication::processEvents();
    screenshot(frame(), "heat-cards-entered");
}

TEST_F(ResultEntry, AnFaiHeatHasNoFinishAndScoresItsTimesWithThePenalty) {
    startOpenRace([](KORVARaceDoc& race) {
        race.faiClass = 1;
        race.classQ40 = 0;
        for (int b = 0; b < 2; ++b) {
            race.raceMatrix.matrix(b).rounds.clear();
            race.raceMatrix.Matrixed[static_cast<std::size_t>(b)] = 0;
        }
    });
    heatView()->selectRow(0);
    DialogDriver driver;
    driver.then("resultsForm", [](QDialog* d) {
        activate(d);
        EXPECT_EQ(field<QLabel>(d, "cutsHeading")->text(), "Infringements");
        EXPECT_FALSE(field<QWidget>(d, "finishHeading")->isVisibleTo(d));
        EXPECT_FALSE(field<QWidget>(d, "finish1")->isVisibleTo(d));
        EXPECT_EQ(focusedName(), "minutes1");
        EXPECT_EQ(spin(d, "seconds1"), 5);
        type("1\t5\t43\t1\t\t\t");
        // DNF, then a time typed: under FAI rules the time is the score, so DNF goes.
        type("\t\t\t\t\t ^^^^^1");
        EXPECT_FALSE(checked(d, "dnf2"));
        EXPECT_EQ(spin(d, "minutes2"), 1);
        type("\t\t\t\t ");
        EXPECT_TRUE(checked(d, "dns2"));
        EXPECT_EQ(spin(d, "minutes2"), 0);
        type("\t\t\t\t\t2\t\t\t0\t49\t99\t0");
        screenshot(d, "enter-results-fai");
        type("\n");
    });
    ui.expect(str::kTimeTooLow, Answer::Yes);
    driver.then("verifyScores", [](QDialog* d) {
        activate(d);
        EXPECT_EQ(field<QLabel>(d, "value1")->text(), "71.97");
        EXPECT_EQ(field<QLabel>(d, "value2")->text(), "200.00");
        EXPECT_EQ(field<QLabel>(d, "value4")->text(), "49.99");
        screenshot(d, "verify-scores-fai");
        type("\n");
    });
    frame()->commands().update();
    action(Cmd::EnterResults)->trigger();
    ui.verifyDone();
    ASSERT_FALSE(ui.asked.empty());
    EXPECT_EQ(ui.asked.back().text,
              "The time 0:49.99 for lane 4 appears to be too low.\nIs it correct ?");
    EXPECT_EQ(heat(2, 0, 0).lanePoints, (std::array<std::int32_t, 4>{7197, 20000, 20000, 4999}));
    action(Cmd::HeatCards)->trigger();
    EXPECT_EQ(cell(0, 2), "Time=1:05.43 Infringe=1 Score=71.97 FQ Last3 ");
    EXPECT_EQ(cell(0, 3), "DNS Score=200.00 FQ Last6 ");
    EXPECT_EQ(cell(0, 4), "Max Infringements Score=200.00 FQ Last9 ");
}

TEST_F(ResultEntry, TheHeatWindowOpensAtTheFirstHeatStillToFly) {
    startOpenRace([](KORVARaceDoc& race) {
        for (int h = 0; h < 2; ++h) race.raceMatrix.matrix(0).rounds[0]->heats[h]->complete = 1;
    });
    EXPECT_EQ(selectedRow(), 2);
    EXPECT_TRUE(action(Cmd::EnterResults)->isEnabled());
}

TEST_F(ResultEntry, EscapeStoresNothingAndManualPointsAreTypedForThePilotsFlown) {
    startOpenRace([](KORVARaceDoc& race) {
        race.heatScoring = 2;  // Manual
        race.raceMatrix.matrix(0).rounds[0]->heats[0]->lanePilot[3] = 0;
    });
    ASSERT_EQ(selectedRow(), 0);
    {
        DialogDriver driver;
        driver.then("resultsForm", [](QDialog*) { QTest::keyClick(focused(), Qt::Key_Escape); });
        pressInList(Qt::Key_Return);
    }
    EXPECT_FALSE(heat(0, 0, 0).isComplete());
    EXPECT_FALSE(app->race()->isModified());
    EXPECT_EQ(selectedRow(), 0);

    DialogDriver driver;
    driver.then("resultsForm", [](QDialog* d) {
        activate(d);
        EXPECT_FALSE(field<QWidget>(d, "minutes4")->isVisibleTo(d));
        EXPECT_FALSE(field<QWidget>(d, "dns4")->isVisibleTo(d));
        type("1\t\t\t\t\t\t\t2\t\t\t\t\t\t\t3\n");
    });
    driver.then("enterScores", [](QDialog* d) {
        activate(d);
        EXPECT_EQ(d->windowTitle(), "Enter Pilot Scores");
        // Three pilots in a round of four lanes: the winner still earns 4.
        EXPECT_EQ(spin(d, "points1"), 4);
        EXPECT_EQ(spin(d, "points3"), 2);
        EXPECT_FALSE(field<QWidget>(d, "points4")->isVisibleTo(d));
        EXPECT_EQ(field<QSpinBox>(d, "points2")->minimum(), -99);
        EXPECT_EQ(focusedName(), "points1");
        type("\t7");
        screenshot(d, "enter-scores");
        type("\n");
    });
    pressInList(Qt::Key_Return);
    EXPECT_EQ(heat(0, 0, 0).lanePoints, (std::array<std::int32_t, 4>{4, 7, 2, 0}));
    EXPECT_TRUE(app->race()->isModified());
}

TEST_F(ResultEntry, EachLayoutKeepsItsOwnColumnWidths) {
    settings.setInt("Views", "HeatsSheetLane1Width", 120);
    settings.setInt("Views", "HeatsCardLane1Width", 300);
    ASSERT_TRUE(start({QString::fromStdString(sampleRace("Done.kvr", 12))}));
    frame()->resize(1400, 700);
    action(Cmd::ViewHeats)->trigger();
    QHeaderView* header = heatView()->list()->header();
    EXPECT_EQ(header->sectionSize(2), 120);
    heatView()->selectRow(4);
    action(Cmd::HeatCards)->trigger();
    EXPECT_EQ(header->sectionSize(2), 300);
    EXPECT_GE(header->sectionSize(3), 350);  // unset: the default, or as wide as the text
    EXPECT_EQ(selectedRow(), 4);
    EXPECT_TRUE(cell(4, 2).startsWith("Finish=1 Time=1:30.01 Cuts=0 Pts=4 "));
    QCoreApplication::processEvents();
    screenshot(frame(), "heat-cards");

    header->resizeSection(2, 333);
    action(Cmd::HeatSheets)->trigger();
    EXPECT_EQ(header->sectionSize(2), 120);
    EXPECT_EQ(settings.getInt("Views", "HeatsCardLane1Width", 0), 333);
    // Every heat is complete: the selection stays where it is.
    heatView()->selectNextOpenHeat();
    EXPECT_EQ(selectedRow(), 4);
}

}  // namespace
}  // namespace korva::test
