// Spectator programs read back: round tables per row and page by the font size, the SMALL
// nesting, pilots in their lanes, stale pages, and the dialog that stops the run.

#include <fstream>

#include "reports/PilotReportFixture.h"
#include "reports/AudiencePrograms.h"

namespace korva::test {
namespace {

namespace fs = std::filesystem;

struct SpectatorProgramsTest : PilotReportFixture {
    std::vector<std::string> programs(int classes, SpectatorFontSize size) {
        SpectatorChoice choice = defaultSpectatorPrograms(*doc);
        choice.classes = classes;
        choice.fontSize = size;
        return PrintSpectatorPrograms(*doc, queue, choice, true);
    }
    // Round tables of each row of tables on a page.
    static std::vector<int> tablesPerRow(const std::string& page) {
        std::vector<int> rows;
        for (auto at = page.find("<TABLE BORDER=0"); at != std::string::npos;
             at = page.find("<TABLE BORDER=0", at + 1)) {
            const auto end = page.find("<TABLE BORDER=0", at + 1);
            rows.push_back(countOf(page.substr(at, end - at), "<TABLE BORDER=1"));
        }
        return rows;
    }
};

TEST_F(SpectatorProgramsTest, FontSizeSetsTablesPerRowAndSmallTags) {
    setting("ColorPrinter", 0);
    EXPECT_EQ(programs(1, SpectatorFontSize::Large).size(), 2U) << "two rounds a page";
    std::string page = this->page("Spring_424_SpectatorPrograms_01.html");
    EXPECT_EQ(tablesPerRow(page), (std::vector<int>{1, 1}));
    EXPECT_EQ(countOf(page, "SMALL"), 0);
    EXPECT_EQ(countOf(page, "<FONT SIZE=+1 FACE=\"Times New Roman\">"), countOf(page, "<FONT") - 1)
        << "every text but the page's own font";
    EXPECT_EQ(countOf(page, "<TITLE>Print Spectator Programs</TITLE>"), 1);

    // Medium fits the three rounds on one page and removes the second page of before.
    EXPECT_EQ(programs(1, SpectatorFontSize::Medium).size(), 1U);
    EXPECT_FALSE(fs::exists(race.file("html/Spring_424_SpectatorPrograms_02.html")));
    page = this->page("Spring_424_SpectatorPrograms_01.html");
    EXPECT_EQ(tablesPerRow(page), (std::vector<int>{2, 1}));
    EXPECT_EQ(countOf(page, "<SMALL><SMALL>"), 0);
    EXPECT_GT(countOf(page, "<SMALL>"), 0);

    // Small in an FAI race: three tables a row, three lanes, SMALL twice.
    makeFaiRace(7, 2);
    EXPECT_EQ(programs(4, SpectatorFontSize::Small).size(), 2U) << "six rounds a page";
    page = this->page("Spring_FAI_SpectatorPrograms_01.html");
    EXPECT_EQ(tablesPerRow(page), (std::vector<int>{3, 3}));
    EXPECT_EQ(countOf(page, "<SMALL><SMALL>"), countOf(page, "<FONT") - 1);
    EXPECT_EQ(countOf(page, "<TD COLSPAN=4 "), 6) << "round titles over a number and 3 lanes";
}

TEST_F(SpectatorProgramsTest, HeatsListTheirPilotsByLane) {
    setting("ColorPrinter", 1);
    doc->pilots[0]->firstName = "<Bob>";  // short names take the initial
    doc->pilots[3]->classIndex = 0;
    doc->raceMatrix.matrix(0).rounds[0]->heats[2]->lanePilot[3] = 0;
    ASSERT_EQ(programs(1, SpectatorFontSize::Medium).size(), 1U);
    const std::string page = this->page("Spring_424_SpectatorPrograms_01.html");
    // The sample's four pilots of the class fly together in all three heats of a round.
    EXPECT_EQ(countOf(page, ">&lt;Q Last1<"), 9);
    EXPECT_EQ(countOf(page, "<Q"), 0);
    EXPECT_EQ(countOf(page, "Last4 (9)"), 9);
    EXPECT_EQ(countOf(page, "<SMALL>&nbsp;</SMALL>"), 1) << "the emptied lane";
    EXPECT_EQ(countOf(page, "img/HC_L"), 3 * 4) << "lane pictures head every round";
    EXPECT_EQ(countOf(page, "<TD ALIGN=right"), 3 * 3) << "heat numbers";
    EXPECT_EQ(countOf(page, "424 - " + defaultSpectatorPrograms(*doc).printDate), 1);
}

TEST_F(SpectatorProgramsTest, TheDialogChoosesClassesAndCancelWritesNothing) {
    forms.cancel<SpectatorProgramsForm>();
    EXPECT_TRUE(PrintSpectatorPrograms(*doc, forms, queue, 7).empty());
    forms.ok<SpectatorProgramsForm>().cancel<HtmlFileDispositionForm>();
    EXPECT_TRUE(PrintSpectatorPrograms(*doc, forms, queue, 7).empty());
    EXPECT_TRUE(files().empty());

    doc->userClass = 1;
    doc->userClassName = "Open/..<X>";
    forms
        .ok<SpectatorProgramsForm>([](auto& f) {
            f.classes.ticked = {false, true, true};
            f.fontSize = SpectatorFontSize::Large;
        })
        .ok<HtmlFileDispositionForm>([](auto& f) { f.choice = HtmlDisposition::PrintNow; })
        .ok<PrintReminderForm>();
    const auto written = PrintSpectatorPrograms(*doc, forms, queue, 6);
    EXPECT_EQ(forms.lastShown<SpectatorProgramsForm>().classes.enabled, 6);
    EXPECT_EQ(queue.paths, written);
    EXPECT_EQ(files(), (std::vector<std::string>{"Spring_426_SpectatorPrograms_01.html",
                                                 "Spring_426_SpectatorPrograms_02.html",
                                                 "Spring_Open_._<X>_SpectatorPrograms_01.html",
                                                 "Spring_Open_._<X>_SpectatorPrograms_02.html"}));
    EXPECT_EQ(countOf(page("Spring_Open_._<X>_SpectatorPrograms_01.html"), "Open/..&lt;X&gt;"), 1);
}

}  // namespace
}  // namespace korva::test
