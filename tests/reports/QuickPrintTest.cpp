// Quick print: which runs it makes, in which order, with which classes and html-only flag,
// under the wait cursor; the PDF files of the runs; and the form's check.

#include "reports/HeatReportFixture.h"
#include "reports/QuickPrint.h"

namespace korva::test {
namespace {

// Records every call as a line, with the classes and the wait cursor's depth at the time.
struct FakeTarget : QuickPrintTarget {
    explicit FakeTarget(ScriptedInteraction& ui) : ui(ui) {}
    std::vector<std::string> run(const std::string& what, int classes, bool htmlOnly) {
        calls.push_back(cformat("%s %d %d %d", what, classes, htmlOnly, ui.waitDepth));
        return {what + ".html"};
    }
    void showHeatLayout(HeatListLayout layout) override {
        calls.push_back(layout == HeatListLayout::Cards ? "cards layout" : "sheets layout");
    }
    std::vector<std::string> printHeats(const HeatPrintChoice& c, bool htmlOnly) override {
        const char* names[] = {"cards", "changed", "results", "sheets", "blank"};
        int classes = 0;
        for (int b = 0; b < kBracketCount; ++b) classes |= c.options.classes.isTicked(b) << b;
        return run(names[static_cast<int>(c.report)], classes, htmlOnly);
    }
    std::vector<std::string> printPilotCards(const PilotReportChoice& c, bool htmlOnly) override {
        return run("pilot cards", c.classes, htmlOnly);
    }
    std::vector<std::string> printPilotList(const PilotReportChoice& c, bool htmlOnly) override {
        list = c;
        return run("pilot list", c.classes, htmlOnly);
    }
    std::vector<std::string> printSpectatorPrograms(const SpectatorChoice& c,
                                                    bool htmlOnly) override {
        return run("programs", c.classes, htmlOnly);
    }
    bool savePdf(const std::vector<std::string>& pages, const std::string& path,
                 std::string& error) override {
        const std::string name = std::filesystem::path(path).filename().string();
        pdfs.push_back(name + " <- " + pages.front());
        error = "No space left on device";
        return name != failing;
    }

    ScriptedInteraction& ui;
    std::vector<std::string> calls, pdfs;
    PilotReportChoice list;
    std::string failing;
};

struct QuickPrintFixture : HeatReportFixture {
    FakeTarget target{t.ui};
    PilotWindowView pilots{PilotColumn::Name, PilotPrintForm{false, true, true, true, true}};

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
    EXPECT_EQ(target.calls,
              (std::vector<std::string>{"sheets layout", "sheets 5 1 1", "cards layout",
                                        "cards 5 1 1", "results 5 1 1", "pilot cards 5 1 1",
                                        "pilot list 5 1 1", "sheets layout", "programs 5 1 1"}));
    EXPECT_EQ(t.ui.waitDepth, 0);
    EXPECT_EQ(target.list.sortColumn, PilotColumn::Name);
    EXPECT_EQ(target.list.columns, pilots.columns);
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
    // The failure names the file and the reason.
    EXPECT_NE(t.ui.asked.at(0).text.find("Spring_PilotList.pdf: No space left on device"),
              std::string::npos);
    t.ui.verifyDone();
}

TEST_F(QuickPrintFixture, NewHeatCardsOnlyWhenAHeatChangedSinceTheCardsWerePrinted) {
    QuickPrintForm f = form(0b010);
    f.newHeatCards = true;
    doc->heatCardsPrintedAt[1] = t.clock.now();
    runQuickPrint(*doc, target, f, pilots);
    EXPECT_EQ(target.calls, std::vector<std::string>{"cards layout"}) << "no blank cards";

    doc->raceMatrix.matrix(1).rounds[1]->heats[0]->touch(t.clock.now() + 5);
    runQuickPrint(*doc, target, f, pilots);
    EXPECT_EQ(target.calls.back(), "changed 2 0 1");
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
    EXPECT_EQ(shown, form(0b101));
    EXPECT_EQ(shown.classes.enabled, 0b101);
    EXPECT_EQ(shown.classes.names[2], doc->bracketName(2));
    EXPECT_EQ(target.calls, (std::vector<std::string>{"sheets layout", "programs 4 0 1"}));

    // Without an html folder the user is told once, not by every run.
    std::filesystem::remove(race.file("html"));
    QuickPrintForm all = form(7);
    all.matrixPoster = all.spectatorProgram = true;
    t.ui.expect(str::kNoHtmlFolder);
    runQuickPrint(*doc, target, all, pilots);
    EXPECT_EQ(target.calls.size(), 2u);
    t.ui.verifyDone();
}

}  // namespace
}  // namespace korva::test
