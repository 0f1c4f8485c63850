// Quick print: which runs it makes, in which order, with which classes and html-only flag,
// under the wait cursor; the PDF files of the runs; the form's check; and the real report
// runs writing pages without queueing them.

#include "reports/HeatReportFixture.h"
#include "reports/QuickPrint.h"

namespace korva::test {
namespace {

namespace fs = std::filesystem;

int ticked(const ClassChoice& c) {
    int bits = 0;
    for (int b = 0; b < kBracketCount; ++b) bits |= c.isTicked(b) ? 1 << b : 0;
    return bits;
}

// Records every call as a line, with the wait cursor's depth at the time.
struct FakeTarget : QuickPrintTarget {
    explicit FakeTarget(ScriptedInteraction& ui) : ui(ui) {}

    std::vector<std::string> run(const std::string& what, int classes, bool htmlOnly) {
        calls.push_back(
            cformat("%s classes=%d htmlOnly=%d wait=%d", what, classes, htmlOnly, ui.waitDepth));
        return {what + ".html"};
    }
    void showHeatLayout(HeatListLayout layout) override {
        calls.push_back(layout == HeatListLayout::Cards ? "cards layout" : "sheets layout");
    }
    std::vector<std::string> printHeats(const HeatPrintChoice& c, bool htmlOnly) override {
        const char* names[] = {"cards", "changed", "results", "sheets", "blank"};
        return run(names[static_cast<int>(c.report)], ticked(c.options.classes), htmlOnly);
    }
    std::vector<std::string> printPilotCards(const PilotReportChoice& c, bool htmlOnly) override {
        return run("pilot cards", c.classes, htmlOnly);
    }
    std::vector<std::string> printPilotList(const PilotReportChoice& c, bool htmlOnly) override {
        lists.push_back(c);
        return run("pilot list", c.classes, htmlOnly);
    }
    std::vector<std::string> printSpectatorPrograms(const SpectatorChoice& c,
                                                    bool htmlOnly) override {
        return run("programs", c.classes, htmlOnly);
    }
    bool savePdf(const std::vector<std::string>& pages, const std::string& path,
                 std::string& error) override {
        const std::string name = fs::path(path).filename().string();
        pdfs.push_back(name + " <- " + pages.front());
        if (name != failing) return true;
        error = "No space left on device";
        return false;
    }

    ScriptedInteraction& ui;
    std::vector<std::string> calls;
    std::vector<std::string> pdfs;
    std::vector<PilotReportChoice> lists;
    std::string failing;
};

struct QuickPrintFixture : HeatReportFixture {
    FakeTarget target{t.ui};
    PilotWindowView pilots{PilotColumn::Name,
                           PilotPrintForm{false, true, true, true, true, true, false}};

    QuickPrintForm form(int classes) const {
        QuickPrintForm f = defaultQuickPrint(*doc);
        for (int b = 0; b < kBracketCount; ++b)
            f.classes.ticked[static_cast<std::size_t>(b)] = (classes & (1 << b)) != 0;
        return f;
    }
};

TEST_F(QuickPrintFixture, RunsEveryTickedReportInOrderAndSavesEachRunAsOnePdf) {
    QuickPrintForm f = form(0b101);
    f.matrixPoster = f.heatCards = f.newHeatCards = f.heatResults = f.pilotHandouts = true;
    f.resultsDuringRace = f.resultsPostRace = f.spectatorProgram = true;
    f.htmlOnly = f.saveAsPdf = true;
    target.failing = "Spring_PilotList.pdf";
    t.ui.expect(str::kQuickPrintPdfFailed);

    const QuickPrintOutcome out = runQuickPrint(*doc, target, f, pilots);

    // All cards cover the new ones; the results sheet under both groups prints once.
    EXPECT_EQ(target.calls, (std::vector<std::string>{
                                "sheets layout",
                                "sheets classes=5 htmlOnly=1 wait=1",
                                "cards layout",
                                "cards classes=5 htmlOnly=1 wait=1",
                                "results classes=5 htmlOnly=1 wait=1",
                                "pilot cards classes=5 htmlOnly=1 wait=1",
                                "pilot list classes=5 htmlOnly=1 wait=1",
                                "sheets layout",
                                "programs classes=5 htmlOnly=1 wait=1",
                            }));
    EXPECT_EQ(t.ui.waitDepth, 0);
    ASSERT_EQ(target.lists.size(), 1u);
    EXPECT_EQ(target.lists[0].sortColumn, PilotColumn::Name);
    EXPECT_EQ(target.lists[0].columns, pilots.columns);
    EXPECT_EQ(target.pdfs, (std::vector<std::string>{
                               "Spring_HeatSheets.pdf <- sheets.html",
                               "Spring_HeatCards.pdf <- cards.html",
                               "Spring_HeatResults.pdf <- results.html",
                               "Spring_PilotInfoCards.pdf <- pilot cards.html",
                               "Spring_PilotList.pdf <- pilot list.html",
                               "Spring_SpectatorPrograms.pdf <- programs.html",
                           }));
    EXPECT_EQ(out.pages.size(), 6u);
    ASSERT_EQ(out.pdfs.size(), 5u) << "the failed one is not listed as saved";
    EXPECT_EQ(out.pdfs.front(), race.file("html/Spring_HeatSheets.pdf"));
    EXPECT_EQ(out.pdfFolder, race.file("html"));
    // The failure names the file and the reason.
    ASSERT_EQ(t.ui.asked.size(), 1u);
    EXPECT_NE(t.ui.asked[0].text.find("Spring_PilotList.pdf: No space left on device"),
              std::string::npos);
    EXPECT_TRUE(t.ui.asked[0].utf8);
    t.ui.verifyDone();
}

TEST_F(QuickPrintFixture, NewHeatCardsOnlyWhenAHeatChangedSinceTheCardsWerePrinted) {
    QuickPrintForm f = form(0b010);
    f.newHeatCards = true;
    doc->heatCardsPrintedAt[1] = t.clock.now();
    runQuickPrint(*doc, target, f, pilots);
    EXPECT_EQ(target.calls, std::vector<std::string>{"cards layout"}) << "no blank cards";

    doc->raceMatrix.matrix(1).rounds[1]->heats[0]->touch(t.clock.now() + 5);
    target.calls.clear();
    runQuickPrint(*doc, target, f, pilots);
    EXPECT_EQ(target.calls,
              (std::vector<std::string>{"cards layout", "changed classes=2 htmlOnly=0 wait=1"}));
    EXPECT_TRUE(target.pdfs.empty());
}

TEST_F(QuickPrintFixture, TheFormOffersTheRaceClassesAndWantsOneTickedForAReport) {
    doc->class426 = 0;
    forms
        .ok<QuickPrintForm>([](QuickPrintForm& f) {
            f.classes.ticked = {};
            f.spectatorProgram = true;
        })
        .ok<QuickPrintForm>([](QuickPrintForm& f) { f.classes.ticked[2] = true; });
    t.ui.expect(str::kQuickPrintNoClass);
    QuickPrint(*doc, forms, target, pilots);
    const auto shown = std::any_cast<QuickPrintForm>(forms.shown.front());
    EXPECT_EQ(shown.classes.enabled, 0b101);
    EXPECT_EQ(shown.classes.ticked, (std::array<bool, 3>{true, false, true}));
    EXPECT_EQ(shown.classes.names[2], doc->bracketName(2));
    EXPECT_FALSE(shown.matrixPoster || shown.htmlOnly || shown.saveAsPdf);
    EXPECT_EQ(target.calls,
              (std::vector<std::string>{"sheets layout", "programs classes=4 htmlOnly=0 wait=1"}));

    // Cancel, or nothing ticked, runs nothing; without an html folder the user is told once.
    target.calls.clear();
    forms.cancel<QuickPrintForm>().ok<QuickPrintForm>();
    QuickPrint(*doc, forms, target, pilots);
    QuickPrint(*doc, forms, target, pilots);
    fs::remove(race.file("html"));
    QuickPrintForm all = form(7);
    all.matrixPoster = all.spectatorProgram = true;
    t.ui.expect(str::kNoHtmlFolder);
    runQuickPrint(*doc, target, all, pilots);
    EXPECT_TRUE(target.calls.empty());
    t.ui.verifyDone();
}

TEST_F(QuickPrintFixture, RealRunsWriteTheirPagesAndQueueThemUnlessHtmlOnly) {
    struct Program : QuickPrintReports {
        using QuickPrintReports::QuickPrintReports;
        void showHeatLayout(HeatListLayout) override {}
        bool savePdf(const std::vector<std::string>& pages, const std::string&,
                     std::string&) override {
            pdfPages.push_back(pages);
            return true;
        }
        std::vector<std::vector<std::string>> pdfPages;
    } program(*doc, queue);
    QuickPrintForm f = form(0b001);
    f.matrixPoster = f.resultsPostRace = true;
    f.htmlOnly = f.saveAsPdf = true;
    const QuickPrintOutcome html = runQuickPrint(*doc, program, f, pilots);
    EXPECT_TRUE(queue.paths.empty());
    ASSERT_EQ(html.pages.size(), 2u);
    EXPECT_EQ(fs::path(html.pages[0]).filename(), "Spring_HeatSheets.html");
    EXPECT_EQ(fs::path(html.pages[1]).filename().string().rfind("Spring_PilotList", 0), 0u);
    for (const std::string& page : html.pages) EXPECT_TRUE(fs::exists(page)) << page;
    EXPECT_EQ(program.pdfPages,
              (std::vector<std::vector<std::string>>{{html.pages[0]}, {html.pages[1]}}));

    f.htmlOnly = f.saveAsPdf = false;
    const QuickPrintOutcome printed = runQuickPrint(*doc, program, f, pilots);
    EXPECT_EQ(queue.paths, printed.pages);
    EXPECT_EQ(program.pdfPages.size(), 2u);
}

}  // namespace
}  // namespace korva::test
