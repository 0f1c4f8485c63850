// The fly-off pilot information: the page's rows and conflict marks, the message listing
// the pilots, and the question that decides whether the page is printed.

#include "reports/FlyOffPage.h"
#include "reports/PilotReportFixture.h"

namespace korva::test {
namespace {

struct FlyOffPageTest : PilotReportFixture {
    FlyOffInfo info;

    FlyOffPageTest() {
        setting("ColorPrinter", 1);
        info.bracket = 1;
        info.className = "426 <Open>";
        FlyOffRow ann{false, 2, "Ann <B>", 1, 12, 1, 18, 9123, false, true, false};
        FlyOffRow bea{false, 5, "Bea", 2, 12, 2, 25, 9000, false, false, true};
        FlyOffRow cid{false, 8, "Cid", 3, 10, 0, 33, 9400, false, false, false};
        FlyOffRow gap;
        gap.gap = true;
        info.rows = {ann, bea, gap, cid};
    }

    std::string flyOffPage() { return page("Spring_FlyOffPilotInfo_Class_426 <Open>.html"); }
};

TEST_F(FlyOffPageTest, RowsMarkTheConflictsAndTheMessageListsThem) {
    t.ui.expect(str::kFlyOffPilots).expect(str::kPrintFlyOffInfo, Answer::No);
    const FlyOffInfoHandler show = flyOffInfoPrinter(*doc, forms, queue);
    show(info);
    EXPECT_TRUE(queue.paths.empty()) << "No: written, not printed";
    EXPECT_EQ(t.ui.asked.front().text,
              "426 <Open>:\n  - Ann <B> - Channel Conflict\n  - Bea - Lane Conflict\n"
              "  - Cid\n");

    std::string page = flyOffPage();
    EXPECT_EQ(countOf(page, "<TITLE>Fly-Off Pilot Information</TITLE>"), 1);
    for (const char* title : {"Points", "Place", "Pilot", "Channel", "Lane", "Time"})
        EXPECT_EQ(countOf(page, cformat("<B>%s</B>", title)), 1) << title;
    EXPECT_EQ(countOf(page, "Ann &lt;B&gt;"), 1);
    EXPECT_EQ(countOf(page, "<FONT COLOR=RED>18<"), 1) << "Ann's channel";
    EXPECT_EQ(countOf(page, "<FONT COLOR=RED>2<"), 1) << "Bea's lane";
    EXPECT_EQ(countOf(page, "COLOR=RED"), 2);
    EXPECT_EQ(countOf(page, "1:31.23"), 1);
    EXPECT_EQ(countOf(page, "&nbsp;"), 6 + 1) << "the gap row and Cid's missing lane";

    // FAI: scores in hundredths, no time; black and white: no marks.
    setting("ColorPrinter", 0);
    info.fai = true;
    EXPECT_EQ(PrintFlyOffInfo(*doc, queue, info, true).size(), 1U);
    page = flyOffPage();
    EXPECT_EQ(countOf(page, "<B>Time</B>") + countOf(page, "RED"), 0);
    EXPECT_EQ(countOf(page, "<B>Score</B>"), 1);
    EXPECT_EQ(countOf(page, ">0.12<"), 2);
    EXPECT_EQ(countOf(page, "&nbsp;"), 5 + 1);
}

TEST_F(FlyOffPageTest, YesPrintsAfterTheConfirmationAndNoFolderStillShowsTheList) {
    t.ui.expect(str::kFlyOffPilots).expect(str::kPrintFlyOffInfo, Answer::Yes);
    forms.ok<HtmlFileDispositionForm>([](auto& f) { f.choice = HtmlDisposition::PrintNow; })
        .ok<PrintReminderForm>();
    const auto written = PrintFlyOffInfo(*doc, forms, queue, info);
    ASSERT_EQ(written.size(), 1U);
    EXPECT_EQ(queue.paths, written);

    std::filesystem::remove_all(race.file("html"));
    t.ui.expect(str::kNoHtmlFolder).expect(str::kFlyOffPilots);
    EXPECT_TRUE(PrintFlyOffInfo(*doc, forms, queue, info).empty());
    t.ui.expect(str::kNoHtmlFolder);
    EXPECT_TRUE(PrintFlyOffInfo(*doc, queue, info, false).empty());
}

}  // namespace
}  // namespace korva::test
