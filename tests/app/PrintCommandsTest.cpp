// Printing from the pilot and heat windows through the real dialogs: the pages written into
// the race's html folder, every page queued in order when printing now, and nothing written
// when the director backs out.

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <filesystem>

#include "AppFixture.h"
#include "AppTestSupport.h"
#include "app/dialogs/QtPrintForms.h"
#include "app/views/KORVAHeatView.h"
#include "race/FileIo.h"
#include "reports/PrintOptions.h"
#include "scoring/Standings.h"
#include "ui/Strings.h"

namespace korva::test {
namespace {

namespace fs = std::filesystem;

void click(QDialog* d, const char* name) {
    if (auto* b = field<QAbstractButton>(d, name)) b->click();
}

bool ticked(QDialog* d, const char* name) {
    auto* b = field<QAbstractButton>(d, name);
    return b && b->isChecked();
}

QString labelOf(QDialog* d, const char* name) {
    auto* b = field<QAbstractButton>(d, name);
    return b ? b->text() : QString();
}

// Every page in the html folder, by file name.
std::vector<std::string> pagesIn(const std::string& folder) {
    std::vector<std::string> pages;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.is_regular_file()) pages.push_back(entry.path().filename().string());
    }
    std::sort(pages.begin(), pages.end());
    return pages;
}

void withoutMatrices(KORVARaceDoc& race) {
    for (int b = 0; b < kBracketCount; ++b) {
        race.raceMatrix.matrix(b).rounds.clear();
        race.raceMatrix.matrix(b).RoundCount = 0;
        race.raceMatrix.Matrixed[static_cast<std::size_t>(b)] = 0;
    }
}

class PrintCommands : public AppFixture {
protected:
    void openRace(const std::function<void(KORVARaceDoc&)>& adjust = {}) {
        fs::create_directories(work.file("html"));
        samples::SampleSize size;
        ASSERT_TRUE(start({QString::fromStdString(sampleRace("Spring.kvr", size, adjust))}));
        frame()->resize(1100, 720);
    }
    CMainFrame* frame() const { return app->mainFrame(); }
    QAction* action(Cmd cmd) const { return frame()->commands().action(cmd); }
    KORVAHeatView* heatView() const {
        return qobject_cast<KORVAHeatView*>(frame()->window(WindowKind::Heats));
    }
    std::vector<std::string> pages() const { return pagesIn(work.file("html")); }
    std::vector<std::string> queued() const {
        std::vector<std::string> names;
        for (const std::string& path : printed.paths) names.push_back(fs::path(path).filename());
        return names;
    }
};

TEST_F(PrintCommands, HeatCardsOfOneClassAndTwoRoundsPrintNowAndQueueEveryPage) {
    openRace();
    action(Cmd::ViewHeats)->trigger();
    ASSERT_NE(heatView(), nullptr);
    EXPECT_TRUE(action(Cmd::PrintSpectatorProgram)->isEnabled());
    action(Cmd::HeatCards)->trigger();
    // Spectator programs come from the heat sheets only.
    EXPECT_FALSE(action(Cmd::PrintSpectatorProgram)->isEnabled());
    const KORVARaceDoc& race = *app->race();

    DialogDriver driver;
    driver
        .then("heatDetailsType",
              [](QDialog* d) {
                  screenshot(d, "print-heat-details-type");
                  EXPECT_EQ(d->windowTitle(), "Select Heat Details Print Type");
                  EXPECT_TRUE(ticked(d, "type0"));
                  press(d);
              })
        .then("printHeats",
              [&race](QDialog* d) {
                  screenshot(d, "print-heats");
                  EXPECT_EQ(d->windowTitle(), "Print Heat Cards");
                  for (int b = 0; b < kBracketCount; ++b) {
                      const std::string box = "class" + std::to_string(b);
                      EXPECT_EQ(labelOf(d, box.c_str()).toStdString(), race.bracketName(b));
                      EXPECT_TRUE(ticked(d, box.c_str()));
                  }
                  EXPECT_EQ(field<QSpinBox>(d, "endRound")->value(), 3);
                  EXPECT_TRUE(ticked(d, "wingFlags2"));
                  click(d, "class1");
                  click(d, "class2");
                  field<QSpinBox>(d, "endRound")->setValue(2);
                  press(d);
              })
        .then("htmlFileDisposition",
              [](QDialog* d) {
                  screenshot(d, "print-html-file-disposition");
                  EXPECT_TRUE(ticked(d, "disposition1"));
                  click(d, "disposition0");
                  press(d);
              })
        .then("printReminder", [](QDialog* d) {
            screenshot(d, "print-reminder");
            EXPECT_EQ(field<QLabel>(d, "paper")->text(), "Card Stock");
            click(d, "dontRemind");
            press(d);
        });
    ui.expect(str::kMatrixLocked);
    action(Cmd::Print)->trigger();

    const std::vector<std::string> written = pages();
    ASSERT_FALSE(written.empty());
    EXPECT_EQ(written.front(), "Spring_HeatCards_01.html");
    std::string all;
    for (const std::string& page : written) {
        EXPECT_EQ(page.rfind("Spring_HeatCards_", 0), 0u) << page;
        const auto bytes = readWholeFile(work.file("html/" + page));
        all.append(bytes.begin(), bytes.end());
    }
    EXPECT_NE(all.find("R2H1"), std::string::npos);
    EXPECT_EQ(all.find("R3H"), std::string::npos);
    // Only the ticked class was printed, so only its matrix is locked.
    EXPECT_EQ(race.locked424, 1);
    EXPECT_EQ(race.locked426, 0);
    EXPECT_EQ(race.lockedThird, 0);
    EXPECT_EQ(race.printOptions & (kPrintNow | kShowPrintReminder), kPrintNow);
    EXPECT_EQ(queued(), written);
    ui.verifyDone();
}

TEST_F(PrintCommands, BackingOutOfAnyDialogWritesAndQueuesNothing) {
    openRace();
    ASSERT_EQ(frame()->currentKind(), WindowKind::Pilots);
    EXPECT_TRUE(action(Cmd::PrintHeatDetails)->isEnabled());
    {
        DialogDriver driver;
        driver.then("pilotPrint", [](QDialog* d) {
            screenshot(d, "print-select-pilot-print");
            EXPECT_EQ(d->windowTitle(), "Select  Pilot Print");
            EXPECT_TRUE(ticked(d, "Points"));
            EXPECT_TRUE(ticked(d, "KORVA"));
            press(d, "cancel");
        });
        action(Cmd::Print)->trigger();
    }
    {
        DialogDriver driver;
        driver.then("htmlFileDisposition", [](QDialog* d) { press(d, "cancel"); });
        action(Cmd::PrintHeatDetails)->trigger();
    }
    action(Cmd::ViewHeats)->trigger();
    {
        DialogDriver driver;
        driver
            .then("spectatorPrograms",
                  [](QDialog* d) {
                      screenshot(d, "print-spectator-programs");
                      EXPECT_TRUE(ticked(d, "fontSize1"));
                      press(d);
                  })
            .then("htmlFileDisposition",
                  [](QDialog* d) {
                      click(d, "disposition0");
                      press(d);
                  })
            .then("printReminder", [](QDialog* d) { press(d, "cancel"); });
        action(Cmd::PrintSpectatorProgram)->trigger();
    }
    EXPECT_TRUE(pages().empty());
    EXPECT_TRUE(printed.paths.empty());
    // A cancelled reminder leaves the print options as they were.
    EXPECT_EQ(app->race()->printOptions & kPrintNow, 0u);
}

TEST_F(PrintCommands, PilotCardsWithoutAMatrixAskForRoundsAndAreKeptWithoutShowing) {
    openRace(withoutMatrices);
    ui.expect(str::kCardsWithoutMatrix, Answer::Yes);
    DialogDriver driver;
    driver
        .then("roundCount",
              [](QDialog* d) {
                  screenshot(d, "print-round-count");
                  field<QSpinBox>(d, "rounds")->setValue(5);
                  press(d);
              })
        .then("htmlFileDisposition", [](QDialog* d) { press(d); });
    action(Cmd::PrintPilotCards)->trigger();
    const std::vector<std::string> written = pages();
    ASSERT_FALSE(written.empty());
    EXPECT_EQ(written.front().find("Spring_"), 0u);
    EXPECT_TRUE(printed.paths.empty());
    ui.verifyDone();
}

TEST_F(PrintCommands, ReFlyCardAndTheStandingsFlyOffPageAreWritten) {
    openRace();
    action(Cmd::ViewHeats)->trigger();
    EXPECT_FALSE(action(Cmd::PrintReFlyCard)->isEnabled());
    heatView()->selectRow(4);
    frame()->commands().update();
    ASSERT_TRUE(action(Cmd::PrintReFlyCard)->isEnabled());
    {
        DialogDriver driver;
        driver.then("htmlFileDisposition", [](QDialog* d) { press(d); });
        action(Cmd::PrintReFlyCard)->trigger();
    }
    const auto card = readWholeFile(work.file("html/ReFlyHeatCard.html"));
    EXPECT_NE(std::string(card.begin(), card.end()).find("R2H2"), std::string::npos);
    EXPECT_TRUE(printed.paths.empty());

    FlyOffInfo info;
    info.bracket = 0;
    info.className = "424";
    info.rows.push_back({false, 1, "Ann Able", 1, 90, 1, 12, 3000, false, true, false});
    ui.expect(str::kFlyOffPilots).expect(str::kPrintFlyOffInfo, Answer::Yes);
    {
        DialogDriver driver;
        driver
            .then("htmlFileDisposition",
                  [](QDialog* d) {
                      click(d, "disposition0");
                      press(d);
                  })
            .then("printReminder", [](QDialog* d) {
                EXPECT_EQ(field<QLabel>(d, "paper")->text(), "Plain Paper");
                press(d);
            });
        app->standings()->showFlyOffInfo(info);
    }
    EXPECT_EQ(queued(), std::vector<std::string>{"Spring_FlyOffPilotInfo_Class_424.html"});
    ui.verifyDone();
}

TEST_F(PrintCommands, TheSmallChoicesReturnWhatWasPicked) {
    ASSERT_TRUE(start());
    QtPrintForms forms(app->mainFrame());
    DialogDriver driver;
    driver
        .then("detailPilots",
              [](QDialog* d) {
                  EXPECT_FALSE(field<QSpinBox>(d, "singlePilot")->isEnabled());
                  click(d, "allPilots");
                  EXPECT_TRUE(field<QSpinBox>(d, "singlePilot")->isEnabled());
                  field<QSpinBox>(d, "singlePilot")->setValue(7);
                  screenshot(d, "print-detail-pilots");
                  press(d);
              })
        .then("printOnlyChanged", [](QDialog* d) {
            screenshot(d, "print-only-changed");
            click(d, "onlyChanged");
            press(d);
        });
    EXPECT_EQ(forms.detailPilots({}), (DetailPilotsForm{false, 7}));
    EXPECT_EQ(forms.printOnlyChanged({}), PrintOnlyChangedForm{true});
}

}  // namespace
}  // namespace korva::test
