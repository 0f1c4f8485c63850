// Pilot information cards: the questions without a matrix, the card's data and heats, and
// the changed cards of an FAI race.

#include "reports/PilotReportFixture.h"
#include "reports/PrintPilots.h"

namespace korva::test {
namespace {

namespace fs = std::filesystem;

TEST_F(PilotReportFixture, CardsWithoutAMatrixAskFirstThenShowTheRoundsAsked) {
    doc->raceMatrix.matrix(2).rounds.clear();
    t.ui.expect(str::kCardsSomeWithoutMatrix, Answer::No);
    EXPECT_TRUE(PrintPilotCards(*doc, forms, queue, window()).empty());

    for (int b : {0, 1}) doc->raceMatrix.matrix(b).rounds.clear();
    t.ui.expect(str::kCardsWithoutMatrix, Answer::Yes);
    forms.cancel<RoundCountForm>();
    EXPECT_TRUE(PrintPilotCards(*doc, forms, queue, window()).empty());
    EXPECT_TRUE(files().empty());
    EXPECT_EQ(doc->pilotCardsPrintedAt, 0);

    t.ui.expect(str::kCardsWithoutMatrix, Answer::Yes).expect(str::kFieldIntegerBetween);
    forms.ok<RoundCountForm>([](auto& f) { f.rounds = 0; })
        .ok<RoundCountForm>([](auto& f) { f.rounds = 5; })
        .ok<HtmlFileDispositionForm>();
    const auto written = PrintPilotCards(*doc, forms, queue, window());
    EXPECT_EQ(written.size(), 3U) << "twelve pilots, four cards a page";
    EXPECT_TRUE(queue.paths.empty());
    EXPECT_EQ(forms.lastShown<HtmlFileDispositionForm>().choice,
              HtmlDisposition::KeepForManualPrint);
    const std::string first = page("Spring_PilotInfoCards_01.html");
    EXPECT_EQ(countOf(first, "<TD COLSPAN=5 ALIGN=CENTER><B>Heats</B>"), 4) << "5 round columns";
    EXPECT_EQ(countOf(first, "R1H"), 0) << "and no heats in them";
    EXPECT_EQ(countOf(first, "<TITLE>Pilot Information Cards</TITLE>"), 1);
    EXPECT_EQ(doc->pilotCardsPrintedAt, t.clock.now());
    EXPECT_TRUE(doc->isModified());
}

TEST_F(PilotReportFixture, ACardHoldsThePilotAndItsHeatOfEveryRound) {
    setting("ColorPrinter", 0);
    doc->pilots[0]->firstName = "Bob <Ace>";
    doc->pilots[0]->lastName = "& Co";
    PilotReportChoice choice = defaultPilotReport(*doc);
    choice.classes = 1;  // bracket 0: pilots 1, 4, 7 and 10
    EXPECT_EQ(PrintPilotCards(*doc, queue, choice, true).size(), 1U);
    std::string cards = page("Spring_PilotInfoCards_01.html");
    EXPECT_EQ(countOf(cards, "Bob &lt;Ace&gt; &amp; Co"), 1);
    EXPECT_EQ(countOf(cards, "<Ace>"), 0);
    EXPECT_EQ(countOf(cards, "<B>KORVA</B>"), 4);
    // Pilot 1 flies lane 1 of heat 1 of each round of three heats: heats 1, 4 and 7.
    const auto first = cards.substr(0, cards.find("First4"));
    for (const char* heat : {">4</B>", ">7</B>", "R1H1", "R2H1", "R3H1"})
        EXPECT_EQ(countOf(first, heat), 1) << heat;
    EXPECT_EQ(countOf(first, "<B>1</B>"), 1 + 1 + 3) << "heat 1, its lane, lane 1 each round";
    EXPECT_EQ(countOf(cards, "HC_L"), 0) << "numbers without colour";

    // Lane pictures in colour; pilots who change lanes have no lane of their own.
    setting("ColorPrinter", 1);
    doc->matrixType = 1;
    PrintPilotCards(*doc, queue, choice, true);
    cards = page("Spring_PilotInfoCards_01.html");
    EXPECT_EQ(countOf(cards, "<B>Variable</B>"), 4);
    EXPECT_EQ(countOf(cards, "img/HC_L1LG.jpg"), 3) << "pilot 1's three rounds";
    const auto colored = cards.substr(0, cards.find("First4"));
    EXPECT_EQ(countOf(colored, "<FONT COLOR=GREEN SIZE=1>R1H1"), 1) << "start groups alternate";
    EXPECT_EQ(countOf(colored, "<FONT COLOR=BLUE SIZE=1>R2H1"), 1);
    EXPECT_EQ(countOf(colored, "<FONT COLOR=GREEN SIZE=1>R3H1"), 1);
    EXPECT_EQ(countOf(colored, "GREEN</FONT><FONT SIZE=3>  First"), 1) << "the legend";
}

TEST_F(PilotReportFixture, AnFaiRaceOffersTheChangedCardsOnly) {
    makeFaiRace(4, 2);
    doc->rotateEvery = 2;
    forms.ok<HtmlFileDispositionForm>();
    EXPECT_EQ(PrintPilotCards(*doc, forms, queue, window()).size(), 1U) << "no question yet";
    std::string cards = page("Spring_PilotInfoCards_01.html");
    EXPECT_EQ(countOf(cards, "KORVA"), 0);
    EXPECT_EQ(countOf(cards, "<B>Variable</B>"), 4) << "FAI lanes rotate";

    t.clock.advance(60);
    doc->raceMatrix.matrix(2).rounds[3]->heats[1]->touch(t.clock.now());
    forms.ok<PrintOnlyChangedForm>([](auto& f) { f.onlyChanged = true; })
        .ok<HtmlFileDispositionForm>();
    const auto changed = PrintPilotCards(*doc, forms, queue, window());
    ASSERT_EQ(changed.size(), 1U);
    EXPECT_EQ(countOf(page("Spring_ChangedPilotInfoCards_01.html"), "<B>Name</B>"), 3)
        << "the three pilots of the touched heat";
    EXPECT_TRUE(fs::exists(race.file("html/Spring_PilotInfoCards_01.html")));

    // Nothing changed since: no question, and a full run removes the changed page.
    forms.ok<HtmlFileDispositionForm>();
    PrintPilotCards(*doc, forms, queue, window());
    EXPECT_FALSE(fs::exists(race.file("html/Spring_ChangedPilotInfoCards_01.html")));
}

}  // namespace
}  // namespace korva::test
