// The pilot heat detail list read back: totals, round scores and times, penalised rounds in
// blue and discarded ones in red, and the confirmation that stops the run.

#include "reports/PilotReportFixture.h"
#include "reports/PrintPilots.h"

namespace korva::test {
namespace {

struct PilotHeatDetailsTest : PilotReportFixture {
    std::string details(const std::string& name, int classes = 7) {
        PilotReportChoice choice = defaultPilotReport(*doc);
        choice.sortColumn = PilotColumn::Number;
        choice.classes = classes;
        EXPECT_EQ(PrintPilotHeatDetails(*doc, queue, choice, true).size(), 1U);
        return page(name);
    }
    // The row of the pilot whose bold name is `name`, up to the row's end.
    static std::string rowOf(const std::string& page, const std::string& name) {
        const auto at = page.find("<B>" + name + "</B>");
        return at == std::string::npos ? std::string()
                                       : page.substr(at, page.find("</TR>", at) - at);
    }
};

TEST_F(PilotHeatDetailsTest, RoundsShowScoresTimesAndPenalties) {
    setting("ColorPrinter", 1);
    doc->pilots[0]->firstName = "A&B";
    doc->raceMatrix.matrix(0).rounds[1]->heats[0]->laneCuts[0] = 1;  // pilot 1, round 2
    const std::string page = details("Spring_All_Pilot_Detail_List_ByNumber.html");
    EXPECT_EQ(countOf(page, "<TITLE>Pilot Heat Details</TITLE>"), 1);
    EXPECT_EQ(countOf(page, "<B>Total Points</B>"), 3);
    EXPECT_EQ(countOf(page, "<B>Times</B>"), 9) << "three classes of three rounds";
    // Pilot 1 wins lane 1 of every heat: 4 points a round, 1:30.00 the first heat's time.
    const std::string row = rowOf(page, "A&amp;B Last1");
    ASSERT_FALSE(row.empty());
    EXPECT_EQ(countOf(row, ">12<"), 1) << "the total";
    EXPECT_EQ(countOf(row, ">4<"), 3);
    EXPECT_EQ(countOf(row, ">1:30.00<"), 3) << "the time text of the other pages";
    EXPECT_EQ(countOf(row, "<FONT COLOR=BLUE>4<"), 1) << "the round with a cut";
    EXPECT_EQ(countOf(row, "RED"), 0) << "ordinary races discard nothing";
    EXPECT_EQ(countOf(page, "<FONT SIZE=2 COLOR=BLUE> BLUE"), 1) << "the colour legend";

    setting("ColorPrinter", 0);
    EXPECT_EQ(countOf(details("Spring_424_Pilot_Detail_List_ByNumber.html", 1), "BLUE"), 0);
}

TEST_F(PilotHeatDetailsTest, AnFaiRaceMarksItsDiscardedRounds) {
    setting("ColorPrinter", 1);
    makeFaiRace(8, 2);
    const std::string page = details("Spring_FAI_Pilot_Detail_List_ByNumber.html");
    EXPECT_EQ(countOf(page, "<B>Total Score</B>"), 1);
    EXPECT_EQ(countOf(page, "<B>Heat Detail</B>"), 8);
    const std::string row = rowOf(page, "First3 Last3");
    ASSERT_FALSE(row.empty());
    EXPECT_EQ(countOf(row, "<FONT COLOR=RED>"), 2) << "8 rounds drop the worst 2";
    EXPECT_EQ(countOf(row, ">000.0"), 8) << "scores in hundredths, zero-padded";
}

TEST_F(PilotHeatDetailsTest, CancelledConfirmationWritesNothing) {
    forms.cancel<HtmlFileDispositionForm>();
    EXPECT_TRUE(PrintPilotHeatDetails(*doc, forms, queue, window()).empty());
    EXPECT_TRUE(files().empty());
    forms.ok<HtmlFileDispositionForm>();
    EXPECT_EQ(PrintPilotHeatDetails(*doc, forms, queue, window(PilotColumn::Points)).size(), 1U);
    EXPECT_EQ(countOf(page("Spring_All_Pilot_Detail_List_ByPoints.html"),
                      "Ordered By Points By Low Time Within Class"),
              1);
}

}  // namespace
}  // namespace korva::test
