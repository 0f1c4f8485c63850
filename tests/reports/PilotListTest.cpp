// The pilot list read back: sponsors, chosen columns, status icons in their order, marks,
// escaping, and the dialogs that stop the run.

#include <fstream>

#include "reports/PilotReportFixture.h"
#include "reports/PrintPilots.h"

namespace korva::test {
namespace {

namespace fs = std::filesystem;

struct PilotListTest : PilotReportFixture {
    PilotListTest() {
        setting("ColorPrinter", 1);
        fs::create_directory(race.file("html/img"));
    }
    void sponsor(int n) { std::ofstream(race.file(cformat("html/img/sponsor%d.jpg", n))) << "x"; }
    std::string list(const PilotPrintForm& columns = {}) {
        PilotReportChoice choice = defaultPilotReport(*doc);
        choice.sortColumn = PilotColumn::Number;
        choice.columns = columns;
        const auto written = PrintPilotList(*doc, queue, choice, true);
        EXPECT_EQ(written.size(), 1U);
        return written.empty() ? std::string() : page("Spring_PilotList_ByNumber.html");
    }
    // The status picture of each pilot row, in row order; "-" for none.
    static std::vector<std::string> icons(const std::string& page) {
        std::vector<std::string> out;
        for (auto row = page.find("<TR>"); row != std::string::npos;
             row = page.find("<TR>", row + 1)) {
            const std::string first = page.substr(row, page.find("</TD>", row) - row);
            if (first.find("<B>") != std::string::npos) continue;  // headings
            if (first.find("img/") != std::string::npos) {
                out.push_back(pictures(first).front());
            } else if (first.find("&nbsp;") != std::string::npos) {
                out.emplace_back("-");
            }
        }
        return out;
    }
};

TEST_F(PilotListTest, SponsorsRunUpToTheFirstMissingPicture) {
    sponsor(2);
    EXPECT_EQ(countOf(list(), "Sponsored By"), 0) << "no sponsor1.jpg, no strip";
    sponsor(1);
    sponsor(4);
    const std::string page = list();
    EXPECT_EQ(countOf(page, "Sponsored By"), 1);
    EXPECT_EQ(countOf(page, "img/sponsor"), 2) << "1 and 2; 3 is missing";
    EXPECT_EQ(countOf(page, "<TITLE>Sample Race - Pilot Listing "), 1);
    EXPECT_EQ(countOf(page, "Ordered By Number"), 1);
}

TEST_F(PilotListTest, StatusIconsFollowTheirOrderOfPrecedence) {
    doc->showInactive = 1;
    const auto p = [&](int n) -> KORVAPilot& { return *doc->pilots[static_cast<size_t>(n - 1)]; };
    p(1).signedWaiver = 0;  // bracket 0: pilots 1, 4, 7, 10
    p(1).paid = 0;
    p(4).paid = 0;
    p(4).dqFlag = 1;
    p(7).dqFlag = 1;
    p(7).active = 0;
    p(10).active = 0;
    p(10).planeCount = 0;
    p(2).planeCount = 0;  // bracket 1: pilots 2, 5, 8, 11
    doc->planes[1]->safetyChecked = 0;
    doc->planes[4]->safetyChecked = 0;
    p(8).channel = p(11).channel = 40;  // the same bracket
    p(3).channel = p(5).channel = 50;   // bracket 2 and 1
    p(6).channel = p(9).channel = 150;  // pseudo channels never conflict
    doc->recountChannels();
    // Rows by bracket, then number: 1 4 7 10 | 2 5 8 11 | 3 6 9 12.
    EXPECT_EQ(icons(list()), (std::vector<std::string>{"waiver", "money", "disqualified",
                                                       "inactive", "noplane", "unsafe", "redradio",
                                                       "redradio", "yelradio", "-", "-", "-"}));
    PilotPrintForm noIcons;
    noIcons.icons = false;
    EXPECT_EQ(countOf(list(noIcons), "img/"), 0);
}

TEST_F(PilotListTest, ColumnsMarksAndUserTextsAsTheRaceHasThem) {
    doc->pilots[0]->firstName = "Bob <Ace>";
    doc->pilots[0]->lastName = "& \"Co\"";
    doc->pilots[3]->classIndex = 0;  // the nine-lap class, bracket 0
    doc->raceTitle = "<i>Spring</i>";
    std::string page = list();
    EXPECT_EQ(countOf(page, "Bob &lt;Ace&gt; &amp; &quot;Co&quot;"), 1);
    EXPECT_EQ(countOf(page, "<i>"), 0);
    EXPECT_EQ(countOf(page, "First4 Last4 (9)"), 1);
    EXPECT_EQ(countOf(page, "After 3 Rounds"), 3);
    for (const char* title : {"<B>Name</B>", "<B>#</B>", "<B>Class</B>", "<B>Low Time</B>",
                              "<B>Points</B>", "<B>Channel</B>", "<B>KORVA</B>"})
        EXPECT_EQ(countOf(page, title), 3) << title;
    // Each class's fastest time is marked; the sample's best lane is every pilot's lane 1.
    EXPECT_EQ(countOf(page, "** "), countOf(page, "<FONT COLOR=RED>** "));
    EXPECT_GE(countOf(page, "** "), 3);

    PilotPrintForm some;
    some.number = some.classColumn = some.korva = false;
    page = list(some);
    EXPECT_EQ(countOf(page, "<B>#</B>") + countOf(page, "<B>KORVA</B>"), 0);

    makeFaiRace(1, 2);
    page = list();
    EXPECT_EQ(countOf(page, "KORVA"), 0) << "no association numbers in FAI";
    EXPECT_EQ(countOf(page, "<B>Low Score</B>") + countOf(page, "<B>Score</B>"), 2);
    EXPECT_EQ(countOf(page, "After 1 Round<"), 1);
}

TEST_F(PilotListTest, TheDialogsOfTheWindowCanStopTheRun) {
    forms.cancel<PilotPrintForm>();
    EXPECT_TRUE(PrintPilotList(*doc, forms, queue, window()).empty());
    forms.ok<PilotPrintForm>().cancel<HtmlFileDispositionForm>();
    EXPECT_TRUE(PrintPilotList(*doc, forms, queue, window()).empty());
    EXPECT_EQ(files(), std::vector<std::string>{"img"});

    forms.ok<PilotPrintForm>([](auto& f) { f.channel = false; })
        .ok<HtmlFileDispositionForm>([](auto& f) { f.choice = HtmlDisposition::PrintNow; })
        .ok<PrintReminderForm>();
    const auto written = PrintPilotList(*doc, forms, queue, window(PilotColumn::Chan));
    ASSERT_EQ(written.size(), 1U);
    EXPECT_EQ(queue.paths, written);
    const std::string page = this->page("Spring_PilotList_ByChannel.html");
    EXPECT_EQ(countOf(page, "<B>Channel</B>"), 0);
    EXPECT_EQ(countOf(page, "Ordered By Channel By Name"), 1);

    // A window showing one class prints that class only.
    PilotListRows& filtered = window();
    filtered.setFilter(1);
    forms.ok<PilotPrintForm>().ok<HtmlFileDispositionForm>(
        [](auto& f) { f.choice = HtmlDisposition::KeepForManualPrint; });
    PrintPilotList(*doc, forms, queue, filtered);
    EXPECT_EQ(countOf(this->page("Spring_PilotList_ByNumber.html"), "After 3 Rounds"), 1);
}

}  // namespace
}  // namespace korva::test
