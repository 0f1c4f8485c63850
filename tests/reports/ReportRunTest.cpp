// What every report run shares: confirming, the html folder, safe names, stale pages,
// writing and queueing.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "race/KORVARaceDoc.h"
#include "reports/ConfirmPrint.h"
#include "reports/PrintOptions.h"
#include "reports/ReportFiles.h"
#include "reports/ReportRun.h"
#include "reports/ScriptedPrintForms.h"
#include "reports/html/ZelHtml.h"
#include "samples/SampleRace.h"
#include "support/TempFolder.h"
#include "support/TestServices.h"

namespace korva::test {
namespace {

namespace fs = std::filesystem;

TEST(ConfirmPrint, RemembersTheChoiceAndRemindsUntilToldNotTo) {
    ScriptedPrintForms forms;
    std::uint32_t options = kShowPrintReminder;  // a new race's options

    forms.ok<HtmlFileDispositionForm>();  // keep for manual print, as preselected
    ASSERT_TRUE(ConfirmPrint(options, "Card Stock", forms));
    EXPECT_EQ(options, kShowPrintReminder);
    EXPECT_EQ(forms.lastShown<HtmlFileDispositionForm>().choice,
              HtmlDisposition::KeepForManualPrint);

    // Print now: the reminder names the paper; cancelling it changes nothing.
    forms.ok<HtmlFileDispositionForm>([](auto& f) { f.choice = HtmlDisposition::PrintNow; })
        .cancel<PrintReminderForm>();
    EXPECT_FALSE(ConfirmPrint(options, "Card Stock", forms));
    EXPECT_EQ(options, kShowPrintReminder);
    EXPECT_EQ(forms.lastShown<PrintReminderForm>().paperName, "Card Stock");

    forms.ok<HtmlFileDispositionForm>([](auto& f) { f.choice = HtmlDisposition::PrintNow; })
        .ok<PrintReminderForm>([](auto& f) { f.dontRemindAgain = true; });
    ASSERT_TRUE(ConfirmPrint(options, "Plain Paper", forms));
    EXPECT_EQ(options, kPrintNow);

    // Print now is preselected next time, and no reminder follows.
    forms.ok<HtmlFileDispositionForm>();
    ASSERT_TRUE(ConfirmPrint(options, "Plain Paper", forms));
    EXPECT_EQ(forms.lastShown<HtmlFileDispositionForm>().choice, HtmlDisposition::PrintNow);
    EXPECT_EQ(options, kPrintNow);

    forms.cancel<HtmlFileDispositionForm>();
    EXPECT_FALSE(ConfirmPrint(options, "Plain Paper", forms));
    EXPECT_EQ(options, kPrintNow);
}

TEST(ReportFiles, FindsEitherSpellingOfTheHtmlFolder) {
    TempFolder race;
    EXPECT_FALSE(findHtmlFolder(race.path()));
    std::ofstream(race.file("html")) << "a file, not a folder";
    EXPECT_FALSE(findHtmlFolder(race.path()));
    fs::create_directory(race.file("HTML"));
    EXPECT_EQ(findHtmlFolder(race.path()), race.file("HTML"));
    fs::remove(race.file("html"));
    fs::create_directory(race.file("html"));
    EXPECT_EQ(findHtmlFolder(race.path()), race.file("html"));
}

TEST(ReportFiles, NamesCannotLeaveTheFolder) {
    EXPECT_EQ(safeFileNamePart("Ann-Marie O'Neil Jr."), "Ann-Marie O'Neil Jr.");
    EXPECT_EQ(safeFileNamePart("../../etc/passwd"), ".__.__etc_passwd");
    EXPECT_EQ(safeFileNamePart(".."), "._");
    EXPECT_EQ(safeFileNamePart("a\\b\tc\x7f"), "a_b_c_");
}

TEST(ReportFiles, StalePagesGoUpToTheFirstGap) {
    TempFolder folder;
    for (int page : {1, 2, 3, 5}) {
        std::ofstream(folder.file("Spring_HeatCards_0" + std::to_string(page) + ".html")) << "x";
    }
    deleteNumberedPages(folder.path(), "%s_HeatCards_%02d.html", "Spring");
    EXPECT_FALSE(fs::exists(folder.file("Spring_HeatCards_01.html")));
    EXPECT_FALSE(fs::exists(folder.file("Spring_HeatCards_03.html")));
    EXPECT_TRUE(fs::exists(folder.file("Spring_HeatCards_05.html")));
}

struct RunFixture : ::testing::Test {
    TestServices t;
    KORVARaceDoc doc{t.services};
    TempFolder race;
    RecordingQueue queue;
    ScriptedPrintForms forms;

    RunFixture() {
        doc.raceFolder = race.path();
        t.services.raceFileName = "Spring.kvr";
    }

    bool writePage(ReportRun& run, const std::string& path) {
        auto page = run.newPage(path, "Title");
        return run.write(*page);
    }
};

TEST_F(RunFixture, WithoutAnHtmlFolderTheUserIsToldAndNothingHappens) {
    t.ui.expect(str::kNoHtmlFolder);
    ReportRun run(doc, queue);
    EXPECT_FALSE(run.ready());
    EXPECT_EQ(t.ui.asked.at(0).icon, Icon::Error);
}

TEST_F(RunFixture, WrittenPagesAreQueuedInOrderOnlyWhenPrinting) {
    fs::create_directory(race.file("HTML"));
    ReportRun run(doc, queue);
    ASSERT_TRUE(run.ready());
    EXPECT_EQ(run.pagePath(str::kHeatCardsFile, run.raceName(), 2),
              race.file("HTML/Spring_HeatCards_02.html"));

    forms.ok<HtmlFileDispositionForm>([](auto& f) { f.choice = HtmlDisposition::PrintNow; })
        .ok<PrintReminderForm>();
    ASSERT_TRUE(run.confirm(forms, str::kCardStock));
    EXPECT_EQ(forms.lastShown<PrintReminderForm>().paperName, "Card Stock");
    EXPECT_TRUE(writePage(run, run.pagePath(str::kHeatCardsFile, run.raceName(), 1)));
    // A page that cannot be written is reported and left out of the print.
    t.ui.expect(str::kCannotOpenPage);
    EXPECT_FALSE(writePage(run, race.file("HTML/missing/page.html")));
    EXPECT_TRUE(writePage(run, run.pagePath(str::kHeatSheetsFile, run.raceName())));
    EXPECT_TRUE(queue.paths.empty()) << "nothing is queued before the run ends";

    const std::vector<std::string> expected = {race.file("HTML/Spring_HeatCards_01.html"),
                                               race.file("HTML/Spring_HeatSheets.html")};
    EXPECT_EQ(run.finish(), expected);
    EXPECT_EQ(queue.paths, expected);
    run.finish();
    EXPECT_EQ(queue.paths.size(), 2U) << "a run queues its pages once";

    ReportRun htmlOnly(doc, queue);
    htmlOnly.printUnless(true);
    EXPECT_TRUE(writePage(htmlOnly, race.file("HTML/a.html")));
    EXPECT_EQ(htmlOnly.finish().size(), 1U);
    EXPECT_EQ(queue.paths.size(), 2U);
}

TEST(PrintForms, DetailPilotMustBeGivenAndMatrixed) {
    TestServices t;
    samples::SampleSize size;
    auto doc = samples::makeRace(t.services, size);
    doc->raceMatrix.matrix(1).rounds.clear();
    const auto check = [&](bool all, int pilot) {
        return checkDetailPilots(t.ui, *doc, DetailPilotsForm{all, pilot});
    };
    EXPECT_TRUE(check(true, 0));
    EXPECT_TRUE(check(false, 1));
    t.ui.expect(str::kSinglePilotZero).expect(str::kSinglePilotNotMatrixed);
    t.ui.expect(str::kSinglePilotNotMatrixed);
    EXPECT_FALSE(check(false, 0));
    EXPECT_FALSE(check(false, 2));    // the 426 bracket, whose matrix is gone
    EXPECT_FALSE(check(false, 500));  // nobody carries it
}

}  // namespace
}  // namespace korva::test
