// Standings in the program: Finish answered through the real message boxes, the pilot list's
// points, marks and finish order, and fly-off points stored through the "Adjustments" dialog.

#include <QAbstractButton>
#include <QCheckBox>
#include <QMessageBox>
#include <QSpinBox>
#include <QTest>

#include "AppFixture.h"
#include "AppTestSupport.h"
#include "ListViewSupport.h"
#include "app/views/KORVAHeatView.h"
#include "ui/Strings.h"

namespace korva::test {
namespace {

// Bracket 0 alone is matrixed: pilots 1, 4, 7, 10 fly lanes 1 to 4 of three rounds, of
// which two are flown. 1, 4 and 7 tie for the win on 6 points; 4 flew the fastest time with
// a cut, on the channel of pilot 1.
void tiedForTheWin(KORVARaceDoc& race) {
    race.resolveTiesByFlyOff = 1;
    for (int b = 1; b < kBracketCount; ++b) {
        race.raceMatrix.matrix(b).rounds.clear();
        race.raceMatrix.Matrixed[static_cast<std::size_t>(b)] = 0;
    }
    const int points[2][4] = {{4, 3, 2, 1}, {2, 3, 4, 1}};
    const int times[2][4] = {{6500, 6600, 6700, 7000}, {6800, 6400, 6900, 7100}};
    for (std::size_t r = 0; r < 2; ++r) {
        KORVAHeat& heat = *race.raceMatrix.matrix(0).rounds[r]->heats[0];
        for (std::size_t l = 0; l < 4; ++l) {
            heat.lanePoints[l] = points[r][l];
            heat.laneTime[l].setTotal(times[r][l]);
        }
        heat.complete = 1'700'000'000;
    }
    race.raceMatrix.matrix(0).rounds[1]->heats[0]->laneCuts[1] = 1;
    race.pilotByNumber(4)->channel = race.pilotByNumber(1)->channel;
}

// Answers a message box with one of its buttons, and keeps what it said.
DialogDriver::Step answer(QMessageBox::StandardButton button, QString* said = nullptr,
                          const char* picture = nullptr) {
    return [=](QDialog* d) {
        auto* box = qobject_cast<QMessageBox*>(d);
        ASSERT_NE(box, nullptr);
        if (said) *said = box->text();
        if (picture) screenshot(box, picture);
        QMetaObject::invokeMethod(box->button(button), &QAbstractButton::click,
                                  Qt::QueuedConnection);
    };
}

class Standings : public AppFixture {
protected:
    QAction* action(Cmd cmd) const { return app->commands().action(cmd); }
    QStringList column(int section) const { return texts(pilotView(*app), section); }
};

TEST_F(Standings, FinishAndFlyOffPointsChangeThePilotList) {
    AppSetup s = setup();
    s.ui = nullptr;  // the program's own message boxes
    app = std::make_unique<KORVARaceApp>(s);
    ASSERT_TRUE(app->start({"korvarace", QString::fromStdString(sampleRace(
                                             "Tied.kvr", {12, 3, 1, 4, false}, tiedForTheWin))}));
    app->commands().action(Cmd::ViewBracket0)->trigger();
    KORVAPilotView* pilots = pilotView(*app);
    pilots->resize(640, 220);
    EXPECT_EQ(column(1), (QStringList{"4", "1", "7", "10"}));  // equal points: faster first
    EXPECT_EQ(column(3), (QStringList{"6", "6", "6", "2"}));
    EXPECT_EQ(column(4), (QStringList{"C* 1:04.00", "1:05.00", "1:07.00", "1:10.00"}));
    EXPECT_TRUE(action(Cmd::FinishRace)->isEnabled());
    pilots->selectNumber(7);
    EXPECT_FALSE(action(Cmd::FlyOffPoints)->isEnabled());  // no ties found yet

    QString tie;
    {
        DialogDriver driver;
        driver
            .then("message", answer(QMessageBox::Yes))  // finish with a round open
            .then("message", answer(QMessageBox::Yes, &tie, "tie-question"))
            .then("message", answer(QMessageBox::Ok))   // no html folder for the fly-off page
            .then("message", answer(QMessageBox::Ok));  // the pilots involved
        action(Cmd::FinishRace)->trigger();
    }
    EXPECT_EQ(tie.toStdString(),
              "There is a tie in the 424 class involving 3 pilots\n\nThere IS a channel "
              "conflict\n\nThere are no lane conflicts\n\nAfter fly-offs, right button click "
              "on pilots to add fly-off points\n\nWould you like to see a list of the pilots "
              "involved ?");
    EXPECT_EQ(column(3), (QStringList{"F0 6", "F0 6", "F0 6", "2"}));
    ASSERT_TRUE(action(Cmd::FlyOffPoints)->isEnabled());

    // 250 is more than a fly-off gives: refused, shown again on the points, then 5 stored.
    {
        DialogDriver driver;
        driver
            .then("flyOffPoints",
                  [](QDialog* d) {
                      EXPECT_EQ(d->windowTitle(), "Adjustments");
                      EXPECT_TRUE(field<QSpinBox>(d, "cuts")->isVisibleTo(d));
                      auto* points = field<QSpinBox>(d, "points");
                      EXPECT_EQ(points->value(), 0);
                      QTest::keyClicks(points, "250");
                      screenshot(d, "adjustments");
                      press(d);
                  })
            .then("message", answer(QMessageBox::Ok))
            .then("flyOffPoints", [](QDialog* d) {
                auto* points = field<QSpinBox>(d, "points");
                EXPECT_EQ(d->focusWidget(), points);
                QTest::keyClicks(points, "5");
                field<QSpinBox>(d, "minutes")->setValue(1);
                field<QSpinBox>(d, "seconds")->setValue(2);
                field<QSpinBox>(d, "hundredths")->setValue(50);
                press(d);
            });
        action(Cmd::FlyOffPoints)->trigger();
    }
    EXPECT_EQ(app->race()->pilotByNumber(7)->flyOffPoints, 5);
    EXPECT_TRUE(app->race()->isModified());
    // The winner of the fly-off leads, and its fly-off time is now the fastest.
    EXPECT_EQ(column(1), (QStringList{"7", "4", "1", "10"}));
    EXPECT_EQ(column(3), (QStringList{"F5 6", "F0 6", "F0 6", "2"}));
    EXPECT_EQ(column(4), (QStringList{"** 1:02.50", "C 1:04.00", "1:05.00", "1:10.00"}));
    screenshot(app->mainFrame(), "pilot-list-standings");
}

// The last heat entered in the heat window runs the standings with the final flag: the tie
// for third place is announced and its pilots get their fly-off entries in the pilot list.
TEST_F(Standings, TheLastHeatEnteredAnnouncesTheTieAndUpdatesThePilotList) {
    ASSERT_TRUE(start(
        {QString::fromStdString(sampleRace("Tied.kvr", {12, 3, 1, 4, false}, tiedForTheWin))}));
    app->commands().action(Cmd::ViewHeats)->trigger();
    auto* heats = qobject_cast<KORVAHeatView*>(app->mainFrame()->window(WindowKind::Heats));
    ASSERT_NE(heats, nullptr);
    heats->selectNextOpenHeat();
    app->commands().update();

    // Lanes 1 to 4: pilot 1 does not finish, 10 wins, then 4 and 7.
    DialogDriver driver;
    driver.then("resultsForm", [](QDialog* d) {
        field<QCheckBox>(d, "dnf1")->click();
        const int finish[] = {0, 2, 3, 1};
        for (int lane = 2; lane <= 4; ++lane) {
            const std::string n = std::to_string(lane);
            field<QSpinBox>(d, ("finish" + n).c_str())->setValue(finish[lane - 1]);
            field<QSpinBox>(d, ("seconds" + n).c_str())->setValue(40 + finish[lane - 1]);
        }
        press(d);
    });
    driver.then("verifyScores", [](QDialog* d) { press(d); });
    ui.expect(str::kTieQuestion, Answer::No);
    action(Cmd::EnterResults)->trigger();
    ui.verifyDone();
    ASSERT_FALSE(ui.asked.empty());
    EXPECT_NE(ui.asked.back().text.find("involving 2 pilots"), std::string::npos);

    app->commands().action(Cmd::ViewBracket0)->trigger();
    EXPECT_EQ(column(1), (QStringList{"4", "7", "1", "10"}));  // 1 flew faster
    EXPECT_EQ(column(3), (QStringList{"9", "8", "F0 6", "F0 6"}));
    EXPECT_EQ(app->race()->pilotByNumber(10)->flyOffPoints, 0);
    EXPECT_EQ(app->race()->pilotByNumber(4)->flyOffPoints, -1);
}

}  // namespace
}  // namespace korva::test
