#include <gtest/gtest.h>

#include "race/KORVARaceDoc.h"
#include "support/ScriptedInteraction.h"
#include "views/HeatCardText.h"
#include "views/HeatListRows.h"

namespace korva::test {
namespace {

class HeatListRows : public ::testing::Test {
protected:
    HeatListRows() : services(user, clock, settings), doc(services) {
        addPilot("Ann", "Q", "Baker", 0, "2", 12);  // APRA 9 lap
        addPilot("Bob", "", "Cole", 1, "", 33);
        addPilot("Cy", "R", "Dunn", 3, "4", 120);
        addPilot("Di", "", "Eve", 3, "", 7);
        doc.userClass = 1;
        doc.userClassName = "LongClassNameForTheThirdBracket!!";
        KORVAMatrix& m0 = doc.raceMatrix.matrix(0);
        m0.setClassCode(1);
        addRound(m0, {{1, 2, 0, 0}, {0, 0, 0, 0}});
        addRound(m0, {{2, 0, 1, 0}});
        m0.rounds[1]->heats[0]->complete = 5;
        KORVAMatrix& m1 = doc.raceMatrix.matrix(1);
        m1.setClassCode(3);
        addRound(m1, {{3, 4, 0, 0}});
    }
    void addPilot(const char* first, const char* middle, const char* last, int cls,
                  const char* category, int channel) {
        auto p = std::make_unique<KORVAPilot>(static_cast<int>(doc.pilots.size()) + 1);
        p->firstName = first;
        p->middleInitial = middle;
        p->lastName = last;
        p->classIndex = cls;
        p->bracket = bracketOfClass(cls);
        p->category = category;
        p->channel = channel;
        doc.pilots.push_back(std::move(p));
    }
    static void addRound(KORVAMatrix& m, std::vector<std::array<std::int32_t, 4>> heats) {
        auto round = std::make_unique<KORVARound>();
        for (const auto& lanes : heats) {
            auto heat = std::make_unique<KORVAHeat>(0);
            heat->lanePilot = lanes;
            round->addHeat(std::move(heat), 0);
        }
        m.appendRound(std::move(round));
    }

    ScriptedInteraction user;
    FixedClock clock;
    MemorySettingsStore settings;
    RaceServices services;
    KORVARaceDoc doc;
};

TEST_F(HeatListRows, SheetRowsNameTheHeatAndWhoFliesInEachLane) {
    const auto rows = heatSheetRows(doc, -1);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].roundHeat, "1.1 APRA");
    EXPECT_EQ(rows[1].roundHeat, "1.2     ");
    EXPECT_EQ(rows[2].roundHeat, "2.1     ");
    EXPECT_EQ(rows[3].roundHeat, "1.1 426");
    EXPECT_EQ(rows[2].absoluteHeat, "3");
    EXPECT_EQ(rows[3].absoluteHeat, "1");
    EXPECT_EQ(rows[0].lanes,
              (std::array<std::string, 4>{"AQ Baker(9) 2Ch 12", "B Cole Ch33", "", ""}));
    EXPECT_EQ(rows[1].lanes, (std::array<std::string, 4>{}));
    EXPECT_EQ(rows[3].lanes[0], "CR Dunn 4 Ch120");
    EXPECT_EQ(rows[3].lanes[1], "D Eve Ch7");
    EXPECT_TRUE(rows[2].complete);
    EXPECT_FALSE(rows[0].complete);
    EXPECT_EQ(rows[2].heat, doc.raceMatrix.matrix(0).rounds[1]->heats[0].get());

    // Channel conflicts: marked in heats still to fly, never on pseudo channels.
    doc.pilotByNumber(2)->channel = 12;
    doc.pilotByNumber(4)->channel = 120;
    const auto changed = heatSheetRows(doc, -1);
    EXPECT_NE(changed[0].conflicts[1].find("on channel 12 with AQ Baker in"), std::string::npos);
    EXPECT_TRUE(changed[2].conflicts[0].empty() && changed[3].conflicts[0].empty());
}

TEST_F(HeatListRows, TheFilterKeepsOneBracketAndBlanksStopAtThirtyOne) {
    const auto rows = heatSheetRows(doc, 1);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].bracket, 1);
    EXPECT_TRUE(heatSheetRows(doc, 2).empty());
    EXPECT_EQ(roundHeatText(2, 3, std::string(40, 'x')), "2.3 " + std::string(31, ' '));
    EXPECT_EQ(roundHeatText(1, 1, "Q40"), "1.1 Q40");
}

TEST_F(HeatListRows, EachColumnTitleGoesWithTheWidthKeyOfItsLayout) {
    const auto sheets = heatListColumns(HeatListLayout::Sheets);
    const auto cards = heatListColumns(HeatListLayout::Cards);
    ASSERT_EQ(sheets.size(), 6u);
    ASSERT_EQ(cards.size(), 6u);
    EXPECT_EQ(sheets[1].title, "Heat");
    EXPECT_STREQ(sheets[1].width.key, "HeatsSheetAbsWidth");
    EXPECT_EQ(sheets[2].title, "Lane 1");
    EXPECT_STREQ(sheets[2].width.key, "HeatsSheetLane1Width");
    EXPECT_EQ(sheets[5].title, "Lane 4");
    EXPECT_STREQ(cards[5].width.key, "HeatsCardLane4Width");
    EXPECT_EQ(cards[5].width.width, 350);
}

TEST_F(HeatListRows, CardRowsShowEachLaneResultAndWhyThereAreNoPoints) {
    KORVAHeat& heat = *doc.raceMatrix.matrix(0).rounds[1]->heats[0];
    heat.lanePilot = {2, 1, 4, 3};
    heat.laneTime[0].setTotal(6550);
    heat.laneFinish[0] = 1;
    heat.lanePoints[0] = 4;
    heat.laneCuts[1] = 2;
    heat.laneStarted[2] = 0;  // DNS; its finished flag stays up
    heat.laneStarted[3] = 0;  // both down: DNF is named first
    heat.laneFinished[3] = 0;
    auto cards = heatListRows(doc, 0, HeatListLayout::Cards);
    ASSERT_EQ(cards.size(), 3u);
    EXPECT_EQ(cards[0].lanes[0], "Finish=0 Time=0:00.00 Cuts=0 Pts=0 AQ Baker ");
    EXPECT_EQ(cards[2].lanes,
              (std::array<std::string, 4>{"Finish=1 Time=1:05.50 Cuts=0 Pts=4 B Cole ",
                                          "Max Cuts  Points=0 AQ Baker", "DNS Points=0 D Eve",
                                          "DNF Points=0 CR Dunn"}));
    EXPECT_EQ(cards[2].roundHeat, heatSheetRows(doc, 0)[2].roundHeat);

    // In an FAI race the lanes carry scores in seconds; the worst is 200.00.
    doc.faiClass = 1;
    heat.laneCuts[0] = 1;
    heat.lanePoints = {7197, 20000, 20000, 20000};
    cards = heatListRows(doc, 0, HeatListLayout::Cards);
    EXPECT_EQ(cards[2].lanes, (std::array<std::string, 4>{
                                  "Time=1:05.50 Infringe=1 Score=71.97 B Cole ",
                                  "Max Infringements Score=200.00 AQ Baker ",
                                  "DNS Score=200.00 D Eve ", "DNF Points=200.00 CR Dunn "}));
    EXPECT_EQ(heatCardLaneText(heat, 4, "X", true), "");
}

}  // namespace
}  // namespace korva::test
