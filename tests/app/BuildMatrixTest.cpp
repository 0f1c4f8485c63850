// Build heat matrix on the screen: the Matrix form driven by hand, its refusals and second
// showing, the heat window that lists the new rounds, and the rebuild after a new rotation.

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialog>
#include <QHeaderView>
#include <QPointer>
#include <QSpinBox>
#include <QStatusBar>
#include <QTest>
#include <QTreeView>

#include "AppFixture.h"
#include "AppTestSupport.h"
#include "app/views/KORVAHeatView.h"
#include "race/FileIo.h"
#include "ui/Strings.h"

namespace korva::test {
namespace {

template <typename W>
W* field(QDialog* d, const QString& name) {
    W* w = d->findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
}

QString buttonText(QDialog* d, const char* name) {
    auto* b = d->findChild<QAbstractButton*>(QString::fromLatin1(name));
    return b ? b->text() : QString();
}

// The sample race without any rounds: nobody has flown yet.
void withoutRounds(KORVARaceDoc& race) {
    for (int b = 0; b < kBracketCount; ++b) {
        race.raceMatrix.matrix(b).rounds.clear();
        race.raceMatrix.matrix(b).RoundCount = 0;
        race.raceMatrix.Matrixed[static_cast<std::size_t>(b)] = 0;
    }
}

// Twelve pilots of the 426 class, none flown yet.
void twelveIn426(KORVARaceDoc& race) {
    withoutRounds(race);
    for (const auto& p : race.pilots) {
        p->classIndex = 3;
        p->bracket = 1;
    }
    race.recountChannels();
}

QString cell(KORVAHeatView* view, int row, int column) {
    return view->list()->model()->index(row, column).data().toString();
}

class BuildMatrix : public AppFixture {
protected:
    CMainFrame* frame() const { return app->mainFrame(); }
    QAction* action(Cmd cmd) const { return frame()->commands().action(cmd); }
    KORVAHeatView* heatView() const {
        return dynamic_cast<KORVAHeatView*>(frame()->window(WindowKind::Heats));
    }
};

TEST_F(BuildMatrix, TwelvePilotsThroughTheFormFillTheHeatWindow) {
    ASSERT_TRUE(start({QString::fromStdString(sampleRace("Twelve.kvr", 12, twelveIn426))}));
    frame()->resize(1100, 720);
    EXPECT_TRUE(action(Cmd::BuildMatrix)->isEnabled());
    EXPECT_FALSE(action(Cmd::ViewHeats)->isEnabled());
    {
        DialogDriver driver;
        driver.then("matrixForm", [](QDialog* d) {
            EXPECT_EQ(d->windowTitle(), "Matrix");
            EXPECT_EQ(buttonText(d, "ok"), "Continue");
            EXPECT_EQ(buttonText(d, "cancel"), "Cancel Matrix");
            EXPECT_FALSE(field<QCheckBox>(d, "class0")->isVisibleTo(d));
            EXPECT_FALSE(field<QCheckBox>(d, "class2")->isVisibleTo(d));
            auto* cls = field<QCheckBox>(d, "class1");
            EXPECT_EQ(cls->text(), "426");
            EXPECT_EQ(field<QSpinBox>(d, "endRound")->value(), 7);
            EXPECT_TRUE(field<QCheckBox>(d, "inform")->isChecked());
            // Nothing ticked, nothing to build.
            EXPECT_FALSE(d->findChild<QAbstractButton*>("ok")->isEnabled());
            if (!cls->isChecked()) cls->click();
            EXPECT_EQ(field<QSpinBox>(d, "beginRound1")->value(), 1);
            field<QSpinBox>(d, "endRound")->setValue(5);
            screenshot(d, "matrix-form");
            press(d);
        });
        action(Cmd::BuildMatrix)->trigger();
    }
    ui.verifyDone();
    KORVARaceDoc& race = *app->race();
    EXPECT_EQ(race.raceMatrix.Matrixed, (std::array<std::int32_t, 3>{0, 1, 0}));
    ASSERT_EQ(race.raceMatrix.matrix(1).rounds.size(), 5u);
    EXPECT_TRUE(race.isModified());
    EXPECT_EQ(frame()->statusBar()->currentMessage(), "Heat matrix built");

    ASSERT_TRUE(action(Cmd::ViewHeats)->isEnabled());
    action(Cmd::ViewHeats)->trigger();
    KORVAHeatView* view = heatView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->rowCount(), 15);  // 5 rounds of 3 heats of 4 lanes
    EXPECT_EQ(cell(view, 0, 0), "1.1 426");
    EXPECT_EQ(cell(view, 4, 0), "2.2    ");
    EXPECT_EQ(cell(view, 14, 1), "15");
    EXPECT_TRUE(cell(view, 0, 2).contains(" Ch"));
    EXPECT_EQ(view->windowTitle(), "Heats - Sample Race");
    EXPECT_TRUE(action(Cmd::HeatSheets)->isChecked());
    // The window opens at the first heat to fly, ready for its results.
    EXPECT_TRUE(action(Cmd::EnterResults)->isEnabled());
    // Lanes without a stored width fit their names; the rest keep what is stored.
    EXPECT_GT(view->list()->header()->sectionSize(2), 90);
    QCoreApplication::processEvents();
    screenshot(frame(), "heat-window");

    // A rebuild with more rounds shows at once in the open heat window.
    DialogDriver again;
    again.then("matrixForm", [](QDialog* d) {
        EXPECT_FALSE(field<QSpinBox>(d, "beginRound1")->isEnabled());
        field<QCheckBox>(d, "class1")->setChecked(true);
        EXPECT_TRUE(field<QSpinBox>(d, "beginRound1")->isEnabled());
        EXPECT_EQ(field<QSpinBox>(d, "beginRound1")->maximum(), 6);
        field<QSpinBox>(d, "beginRound1")->setValue(6);
        screenshot(d, "matrix-form-rebuild");
        field<QSpinBox>(d, "endRound")->setValue(6);
        press(d);
    });
    ui.expect(415, Answer::Yes);
    action(Cmd::BuildMatrix)->trigger();
    EXPECT_EQ(view->rowCount(), 18);
    EXPECT_EQ(cell(view, 15, 0), "6.1    ");
}

TEST_F(BuildMatrix, ARefusedEndRoundKeepsTheFormOpenAndCancelChangesNothing) {
    // Every round of the sample is flown: the next build begins at round 4.
    ASSERT_TRUE(start({QString::fromStdString(sampleRace("Spring.kvr", 12))}));
    DialogDriver driver;
    driver.then("matrixForm", [this](QDialog* d) {
        auto* begin = field<QSpinBox>(d, "beginRound0");
        EXPECT_EQ(begin->value(), 4);
        EXPECT_FALSE(begin->isEnabled());
        field<QCheckBox>(d, "class0")->setChecked(true);
        field<QSpinBox>(d, "endRound")->setValue(3);
        ui.expect(str::kEndRoundRange);
        d->findChild<QAbstractButton*>("ok")->click();
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(ui.asked.back().text, "End Round must be between 4 and 32.");
        screenshot(d, "matrix-form-refused");
        press(d, "cancel");
    });
    action(Cmd::BuildMatrix)->trigger();
    EXPECT_FALSE(app->race()->isModified());
    EXPECT_EQ(app->race()->raceMatrix.matrix(0).rounds.size(), 3u);
}

TEST_F(BuildMatrix, LeavingOutUnpaidPilotsShowsTheFormAgainWithoutTheEmptiedClass) {
    const std::string path = sampleRace("Unpaid.kvr", 12, [](KORVARaceDoc& race) {
        withoutRounds(race);
        for (std::size_t i : {2u, 5u, 8u}) race.pilots[i]->paid = 0;  // three of the Q40 four
    });
    ASSERT_TRUE(start({QString::fromStdString(path)}));
    DialogDriver driver;
    driver.then("matrixForm", [](QDialog* d) {
        for (const char* name : {"class0", "class1", "class2"})
            field<QCheckBox>(d, QString::fromLatin1(name))->setChecked(true);
        field<QSpinBox>(d, "endRound")->setValue(3);
        press(d);
    });
    driver.then("matrixForm", [](QDialog* d) {
        EXPECT_FALSE(field<QCheckBox>(d, "class2")->isVisibleTo(d));
        EXPECT_FALSE(field<QCheckBox>(d, "inform")->isVisibleTo(d));
        EXPECT_TRUE(field<QCheckBox>(d, "class0")->isChecked());
        EXPECT_EQ(field<QSpinBox>(d, "endRound")->value(), 3);
        screenshot(d, "matrix-form-again");
        press(d);
    });
    ui.expect(str::kUnpaidWarning, Answer::No);
    action(Cmd::BuildMatrix)->trigger();
    const KORVARaceMatrix& rm = app->race()->raceMatrix;
    EXPECT_EQ(rm.Matrixed, (std::array<std::int32_t, 3>{1, 1, 0}));
    EXPECT_EQ(rm.IncludeUnpaid, 0);
}

TEST_F(BuildMatrix, HeatWindowKeepsItsWidthsFollowsTheFilterAndMarksCompleteHeats) {
    settings.setInt("Views", "HeatsSheetIDWidth", 95);
    settings.setInt("Views", "HeatsSheetAbsWidth", 40);
    settings.setInt("Views", "HeatsSheetLane2Width", 140);
    ASSERT_TRUE(start({QString::fromStdString(sampleRace("Spring.kvr", 12))}));
    action(Cmd::ViewHeats)->trigger();
    KORVAHeatView* view = heatView();
    ASSERT_NE(view, nullptr);
    QHeaderView* header = view->list()->header();
    EXPECT_EQ(header->sectionSize(0), 95);
    EXPECT_EQ(header->sectionSize(1), 40);
    EXPECT_GE(header->sectionSize(2), 90);
    EXPECT_EQ(header->sectionSize(3), 140);
    EXPECT_EQ(view->rowCount(), 27);
    EXPECT_FALSE(view->list()->model()->index(0, 0).data(Qt::DecorationRole).isNull());
    EXPECT_TRUE(view->list()->model()->index(0, 2).data(Qt::DecorationRole).isNull());

    // The filter of the other windows applies here too, and the lane columns follow it.
    const int lane4 = header->sectionSize(5);
    app->race()->raceMatrix.matrix(1).LaneQuan = 3;
    action(Cmd::ViewBracket1)->trigger();
    EXPECT_EQ(view->rowCount(), 9);
    EXPECT_EQ(cell(view, 0, 0), "1.1 426");
    EXPECT_TRUE(view->list()->isColumnHidden(5));
    EXPECT_EQ(frame()->window(WindowKind::Pilots)->bracketFilter(), 1);
    frame()->resize(1000, 620);
    QCoreApplication::processEvents();
    screenshot(frame(), "heat-window-complete");

    view->list()->setCurrentIndex(view->list()->model()->index(4, 0));
    EXPECT_EQ(view->selectedHeat(), app->race()->raceMatrix.matrix(1).rounds[1]->heats[1].get());

    header->resizeSection(0, 123);
    header->resizeSection(5, 10);  // hidden: its width is not taken
    QPointer<KORVAHeatView> closing(view);
    view->parentWidget()->close();
    QTRY_VERIFY_WITH_TIMEOUT(closing.isNull(), 2000);
    EXPECT_EQ(settings.getInt("Views", "HeatsSheetIDWidth", 0), 123);
    EXPECT_EQ(settings.getInt("Views", "HeatsSheetLane2Width", 0), 140);
    EXPECT_EQ(settings.getInt("Views", "HeatsSheetLane4Width", 0), lane4);
}

TEST_F(BuildMatrix, ANewRotationRebuildsTheOpenRoundsWithTheLanesTurned) {
    const std::string path = sampleRace("Fai.kvr", 12, [](KORVARaceDoc& race) {
        twelveIn426(race);
        for (const auto& p : race.pilots) {
            p->classIndex = 4;
            p->bracket = 2;
        }
        race.class424Ama = race.class426 = race.classQ40 = 0;
        race.faiClass = 1;
        race.recountChannels();
    });
    writeFileAtomically(work.file("KORVARaceMatrixDebug.log"), {'x'});
    ASSERT_TRUE(start({QString::fromStdString(path)}));
    // The log of the last session goes at start-up.
    EXPECT_FALSE(fileExists(work.file("KORVARaceMatrixDebug.log")));
    {
        DialogDriver driver;
        driver.then("matrixForm", [](QDialog* d) {
            EXPECT_EQ(field<QCheckBox>(d, "class2")->text(), "Q40");
            field<QCheckBox>(d, "class2")->setChecked(true);
            field<QSpinBox>(d, "endRound")->setValue(4);
            press(d);
        });
        action(Cmd::BuildMatrix)->trigger();
    }
    const KORVAMatrix& m = app->race()->raceMatrix.matrix(2);
    ASSERT_EQ(m.rounds.size(), 4u);
    std::vector<std::array<std::int32_t, 4>> before;
    for (const auto& r : m.rounds) before.push_back(r->heats[0]->lanePilot);

    forms.ok<RaceProperties>([](RaceProperties& v) { v.limitChannels = false; });
    forms.ok<FaiColorsForm>();
    forms.ok<FaiRotationForm>([](FaiRotationForm& f) { f.rotateEvery = 1; });
    ui.expect(397, Answer::Yes).expect(406, Answer::Yes).expect(415, Answer::No);
    app->properties();
    ui.verifyDone();
    // Kept lanes give the same heats; each round then turns one lane further.
    for (std::size_t r = 0; r < before.size(); ++r) {
        for (std::size_t l = 0; l < 4; ++l)
            EXPECT_EQ(m.rounds[r]->heats[0]->lanePilot[l], before[r][(l + r) % 4]) << r;
    }
    EXPECT_TRUE(fileExists(work.file("KORVARaceMatrixDebug.log")));
}

}  // namespace
}  // namespace korva::test
