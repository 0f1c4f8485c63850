// Heat cards, results and sheets read back from the pages written.

#include "reports/HeatReportFixture.h"

namespace korva::test {
namespace {

std::vector<std::string> cardPages(int count) {
    std::vector<std::string> names;
    for (int i = 1; i <= count; ++i)
        names.push_back("Spring_HeatCards_0" + std::to_string(i) + ".html");
    return names;
}

TEST_F(HeatReportFixture, CardsArePagedByRowsAndByRoundAndStalePagesGo) {
    makeRace({12, 2, 5, 4, false});  // two rounds of five heats a bracket
    std::ofstream(race.file("html/Spring_ChangedHeatCards_01.html")) << "from an earlier run";
    setting("HeatCardPageBreak", 1);
    print(choice(HeatReport::Cards, 1));
    EXPECT_EQ(files(), cardPages(4));
    const std::vector<int> cardsByRound = {4, 1, 4, 1};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(countOf(page(cardPages(4)[i]), "M:S.HH"), cardsByRound[i]);
    EXPECT_EQ(countOf(page(cardPages(4)[2]), "R2H1"), 1) << "the next round starts a page";

    setting("HeatCardPageBreak", 0);
    print(choice(HeatReport::Cards, 1));
    EXPECT_EQ(files(), cardPages(3)) << "no page of the longer run is left";
    EXPECT_EQ(countOf(page(cardPages(3)[1]), "M:S.HH"), 4);
    EXPECT_EQ(countOf(page(cardPages(3)[2]), "M:S.HH"), 2);

    const std::string card = page(cardPages(3)[0]);
    EXPECT_EQ(countOf(card, ">Fin<"), 4);
    EXPECT_EQ(countOf(card, ">Cts<"), 4);
    EXPECT_EQ(countOf(card, "S<BR>T<BR>A<BR>R<BR>T"), 1) << "only heat 1 starts the round";
    EXPECT_EQ(countOf(card, "WIDTH=604"), 4) << "630 at the stored 96 per cent";

    makeFaiRace(2, 6);
    print(choice(HeatReport::Cards, 4));
    ASSERT_EQ(files(), cardPages(3));
    const std::string fai = page(cardPages(3)[0]);
    EXPECT_EQ(countOf(fai, "M:S.HH"), 5);
    EXPECT_EQ(countOf(fai, ">Fin<"), 0);
    EXPECT_EQ(countOf(fai, ">Infr<"), 5);
    EXPECT_EQ(countOf(fai, "<FONT SIZE=+2><B>4</B>"), 0) << "three lanes on an FAI card";
    EXPECT_EQ(countOf(page(cardPages(3)[2]), "M:S.HH"), 2);
}

TEST_F(HeatReportFixture, CompleteHeatsShowTheirResults) {
    KORVAHeat& heat = *doc->raceMatrix.matrix(0).rounds[0]->heats[0];
    heat.laneStarted[1] = 0;
    heat.laneFinished[2] = 0;
    doc->raceMatrix.matrix(0).rounds[0]->heats[1]->complete = 0;
    print(choice(HeatReport::Cards, 1));
    const std::string cards = page(cardPages(1)[0]);
    const std::string first = cards.substr(0, cards.find("R1H2"));
    EXPECT_EQ(countOf(first, ">1:30.00<"), 1);
    EXPECT_EQ(countOf(first, "<CENTER>S</CENTER>"), 1);
    EXPECT_EQ(countOf(first, "<CENTER>F</CENTER>"), 1);
    const std::string second =
        cards.substr(cards.find("R1H2"), cards.find("R1H3") - cards.find("R1H2"));
    EXPECT_EQ(countOf(second, ">1:30."), 0) << "an open heat's card has no results";
}

TEST_F(HeatReportFixture, LanePicturesNeedIconsColourAndLaneColours) {
    const auto pictures = [this](HeatReport report, bool icons) {
        HeatPrintChoice c = choice(report, 1);
        c.options.icons = icons;
        print(c);
        const std::string p =
            page(report == HeatReport::Results ? "Spring_HeatResults.html" : cardPages(1)[0]);
        return countOf(p, "img/HC_L");
    };
    EXPECT_EQ(pictures(HeatReport::Cards, true), 4 * 4);
    EXPECT_EQ(countOf(page(cardPages(1)[0]), "<IMG SRC=\"img/HC_L4HR.jpg\" BORDER=0>"), 4);
    EXPECT_EQ(pictures(HeatReport::Cards, false), 0);
    EXPECT_EQ(countOf(page(cardPages(1)[0]), "<FONT SIZE=+2><B>4</B></FONT>"), 4);
    EXPECT_EQ(pictures(HeatReport::Results, true), 0);
    setting("HeatCardLaneColors", 0);
    EXPECT_EQ(pictures(HeatReport::Cards, true), 0);
    setting("HeatCardLaneColors", 1);
    setting("ColorPrinter", 0);
    EXPECT_EQ(pictures(HeatReport::Cards, true), 0);
}

TEST_F(HeatReportFixture, FaiLaneColoursRotateOnCardsAndSheet) {
    makeFaiRace(8, 1);
    doc->rotateEvery = 2;
    doc->laneColorCode = {"LG", "HB", "HG", "HR"};
    HeatPrintChoice cards = choice(HeatReport::Cards, 4);
    cards.options.icons = true;
    print(cards);
    const std::string all = page(cardPages(2)[0]) + page(cardPages(2)[1]);
    const auto laneCode = [&all](int round, int lane) {
        const auto at = all.find("HC_L" + std::to_string(lane), all.find(cformat("R%dH1", round)));
        return all.substr(at + 5, 2);
    };
    const std::vector<std::string> lane1 = {"LG", "LG", "HB", "HB", "HG", "HG", "LG", "LG"};
    for (int round = 1; round <= 8; ++round) EXPECT_EQ(laneCode(round, 1), lane1[round - 1]);
    EXPECT_EQ(laneCode(3, 2), "HG");

    HeatPrintChoice sheet = choice(HeatReport::Sheets, 4);
    sheet.options.wingFlags = WingFlags::NoseUp;
    print(sheet);
    std::string poster = page("Spring_HeatSheets.html");
    EXPECT_EQ(countOf(poster, "img/MFU_"), 9) << "colour changes at rounds 3, 5 and 7";
    const auto between = [&poster](int a, int b) {
        const auto from = poster.find(cformat("R%dH1", a));
        return poster.substr(from, poster.find(cformat("R%dH1", b)) - from);
    };
    EXPECT_EQ(countOf(between(2, 3), "img/MFU_HB.jpg"), 1);
    EXPECT_EQ(countOf(between(2, 3), "img/MFU_HG.jpg"), 1);
    EXPECT_EQ(countOf(between(3, 4), "img/MFU_"), 0);
    EXPECT_EQ(countOf(between(3, 4), "BGCOLOR=BLACK"), 5) << "a black bar across the FAI sheet";
    EXPECT_EQ(countOf(poster, "img/WFLCLG.jpg"), 1);
    EXPECT_EQ(countOf(poster, ">Lane 4<"), 0);

    doc->rotationKind = 1;  // wing flags rotate instead
    print(sheet);
    poster = page("Spring_HeatSheets.html");
    EXPECT_EQ(countOf(poster, "BGCOLOR=LIGHTGREY><CENTER><B>Wing</B>"), 3);
    EXPECT_EQ(countOf(poster, "img/MFU_"), 0);
}

TEST_F(HeatReportFixture, SheetRowsFollowTheHeatWindow) {
    doc->staggeredStart = 1;
    doc->raceMatrix.matrix(1).rounds[0]->heats[0]->complete = 0;
    HeatPrintChoice sheet = choice(HeatReport::Sheets, 2 | 4);
    sheet.options.icons = true;
    sheet.options.endRound = 2;
    sheet.bracketFilter = 1;
    print(sheet);
    const std::string poster = page("Spring_HeatSheets.html");
    EXPECT_EQ(countOf(poster, "R1H1"), 1) << "only the 426 rows of the heat window";
    EXPECT_EQ(countOf(poster, "R3H1"), 0) << "rounds after the end round are left out";
    EXPECT_EQ(countOf(poster, "img/finish.jpg"), 5) << "complete heats of rounds 1 and 2";
    EXPECT_EQ(countOf(poster, "BGCOLOR=BLACK"), 7) << "one black bar at round 2";
    EXPECT_EQ(countOf(poster, "<B>Lane 4</B>"), 1);
    EXPECT_EQ(countOf(poster, "<FONT COLOR=RED><B>426</B></FONT>"), 1);
    EXPECT_EQ(countOf(poster, "> GREEN</FONT>"), 1) << "the staggered start legend";
    EXPECT_EQ(countOf(poster, "img/WFL"), 0) << "no wing flags unless asked for";
    EXPECT_EQ(doc->heatSheetsPrintedAt[1], t.clock.now());
    EXPECT_EQ(doc->heatSheetsPrintedAt[2], 0);
}

TEST_F(HeatReportFixture, UserTextIsEscapedAndNineLapPilotsMarked) {
    KORVAPilot& pilot = *doc->pilots[0];
    pilot.firstName = "Bob";
    pilot.middleInitial = "";
    pilot.lastName = "<Ace> & Co";
    pilot.classIndex = 0;
    doc->raceTitle = "<Spring>";
    HeatPrintChoice cards = choice(HeatReport::Cards, 1);
    cards.options.printDate = "<b>";
    print(cards);
    HeatPrintChoice sheet = choice(HeatReport::Sheets, 1);
    print(sheet);
    for (const std::string& p : {page(cardPages(1)[0]), page("Spring_HeatSheets.html")}) {
        EXPECT_GT(countOf(p, "B &lt;Ace&gt; &amp; Co (9)</"), 0);
        EXPECT_EQ(countOf(p, "<Ace>"), 0);
        EXPECT_EQ(countOf(p, "FQ Last4 (9)"), 0) << "only the nine-lap pilot";
    }
    EXPECT_EQ(countOf(page(cardPages(1)[0]), "<b>"), 0);
    EXPECT_EQ(countOf(page("Spring_HeatSheets.html"), "Heats - &lt;Spring&gt;"), 1);
}

TEST_F(HeatReportFixture, AnEmptySelectionPrintsBlankCards) {
    HeatPrintChoice c = choice(HeatReport::Cards, 1);
    c.options.beginRound = 9;
    c.options.endRound = 9;
    PrintHeats(*doc, queue, c, true);
    const std::string blank = page("Blank_Heat_Cards.html");
    EXPECT_EQ(countOf(blank, "M:S.HH"), 4);
    EXPECT_EQ(countOf(blank, "&nbsp;&nbsp;&nbsp;&nbsp;Pilot&nbsp;"), 4);
    EXPECT_EQ(doc->locked424, 0) << "blank cards lock nothing";
}

}  // namespace
}  // namespace korva::test
