#include <gtest/gtest.h>

#include <map>

#include "samples/SampleRace.h"
#include "support/ScriptedInteraction.h"
#include "views/HandStandings.h"
#include "views/PilotListRows.h"

namespace korva::test {
namespace {

class PilotList : public ::testing::Test {
protected:
    // Pilots 1..12 in brackets 0, 1, 2 in turn, matrixed, without results.
    static std::unique_ptr<KORVARaceDoc> sampleRace(RaceServices& services) {
        samples::SampleSize size;
        size.complete = false;
        return samples::makeRace(services, size);
    }

    std::vector<std::int32_t> numbers() const {
        std::vector<std::int32_t> out;
        for (const KORVAPilot* p : list.rows()) out.push_back(p->pilotNumber);
        return out;
    }
    KORVAPilot& pilot(std::int32_t n) { return *doc->pilotByNumber(n); }

    ScriptedInteraction ui;
    FixedClock clock;
    MemorySettingsStore settings;
    RaceServices services{ui, clock, settings};
    std::unique_ptr<KORVARaceDoc> doc = sampleRace(services);
    HandStandings standings;
    PilotListRows list{*doc, standings};
};

using Numbers = std::vector<std::int32_t>;

TEST_F(PilotList, FilterByBracketAndInactive) {
    list.setSortColumn(PilotColumn::Number);
    list.setFilter(1);
    EXPECT_EQ(doc->bracketFilter, 1);
    EXPECT_EQ(numbers(), (Numbers{2, 5, 8, 11}));
    pilot(5).active = 0;
    list.refill();
    EXPECT_EQ(numbers(), (Numbers{2, 5, 8, 11}));
    doc->showInactive = 0;
    list.refill();
    EXPECT_EQ(numbers(), (Numbers{2, 8, 11}));
    doc->class426 = 0;  // a bracket the race does not use
    list.setFilter(-1);
    EXPECT_EQ(list.rows().size(), 8u);
}

TEST_F(PilotList, ColumnsTitlesAndWidths) {
    EXPECT_EQ(list.columns().size(), 8u);
    EXPECT_EQ(list.columnTitle(PilotColumn::Points), "Points");
    doc->faiClass = 1;
    EXPECT_EQ(list.columns().size(), 7u);
    EXPECT_EQ(list.columnTitle(PilotColumn::LowTime), "Low Score");
    doc->rotateEvery = 2;
    EXPECT_EQ(list.columns(), (std::vector<PilotColumn>{PilotColumn::Name, PilotColumn::Number,
                                                        PilotColumn::Class, PilotColumn::Points,
                                                        PilotColumn::LowTime, PilotColumn::Chan}));
    settings.setInt("Views", "PilotsNameWidth", 0);
    settings.setInt("Views", "PilotsChanWidth", 201);
    settings.setInt("Views", "PilotsLaneWidth", 200);
    EXPECT_EQ(PilotListRows::columnWidth(settings, PilotColumn::Name), 120);
    EXPECT_EQ(PilotListRows::columnWidth(settings, PilotColumn::Chan), 45);
    EXPECT_EQ(PilotListRows::columnWidth(settings, PilotColumn::Lane), 200);
    EXPECT_EQ(PilotListRows::columnWidth(settings, PilotColumn::Korva), 60);
    doc->raceTitle = "Spring Pylon";
    EXPECT_EQ(list.title(), "Pilots - Spring Pylon");
}

TEST_F(PilotList, CellTexts) {
    KORVAPilot& p = pilot(1);
    p.classIndex = 0;
    EXPECT_EQ(list.cellText(p, PilotColumn::Name), "First1 Last1 (9)");
    EXPECT_EQ(list.cellText(p, PilotColumn::Number), "1");
    EXPECT_EQ(list.cellText(p, PilotColumn::Class), "APRA");
    EXPECT_EQ(list.cellText(p, PilotColumn::Chan), "18");
    EXPECT_EQ(list.cellText(p, PilotColumn::Lane), "1");
    EXPECT_EQ(list.cellText(p, PilotColumn::Korva), "K1");
    EXPECT_EQ(list.cellText(p, PilotColumn::Points), "0");
    EXPECT_EQ(list.cellText(p, PilotColumn::LowTime), "0:00.00");
    doc->raceMatrix.matrix(0).removePilot(1, clock.now());
    EXPECT_EQ(list.cellText(p, PilotColumn::Lane), " ");

    standings.totals[1] = 1234;
    standings.best[1] = {6543, false};
    standings.fastest[0] = 6543;
    EXPECT_EQ(list.cellText(p, PilotColumn::LowTime), "** 1:05.43");
    standings.best[1].cut = true;
    EXPECT_EQ(list.cellText(p, PilotColumn::LowTime), "C* 1:05.43");
    standings.fastest[0] = 6000;
    EXPECT_EQ(list.cellText(p, PilotColumn::LowTime), "C 1:05.43");
    doc->faiClass = 1;
    EXPECT_EQ(list.cellText(p, PilotColumn::Points), "12.34");
    EXPECT_EQ(list.cellText(p, PilotColumn::LowTime), "C 65.43");
    p.flyOffPoints = 2;
    doc->resolveTiesByFlyOff = 1;
    doc->raceFinished = 1;
    list.sort();
    EXPECT_EQ(list.cellText(p, PilotColumn::Points), "F2 12.34");
    p.dqFlag = 1;
    EXPECT_EQ(list.cellText(p, PilotColumn::Points), "0.00");
    EXPECT_EQ(list.cellText(p, PilotColumn::LowTime), "0.00");
}

TEST_F(PilotList, ContextMenuStates) {
    list.refill();
    EXPECT_FALSE(canPrintHeatDetails(*doc, list));  // no round complete yet
    for (auto& heat : doc->raceMatrix.matrix(1).rounds[0]->heats) heat->complete = clock.now();
    EXPECT_TRUE(canPrintHeatDetails(*doc, list));
    EXPECT_FALSE(canAddPlane(*doc));  // nobody selected
    doc->currentSelection = 3;
    EXPECT_TRUE(canAddPlane(*doc));
    pilot(3).planeCount = 2;
    EXPECT_FALSE(canAddPlane(*doc));
}

TEST_F(PilotList, StatusIconFirstMatchWins) {
    KORVAPilot& p = pilot(1);
    pilot(4).channel = p.channel;         // same bracket
    pilot(2).channel = pilot(7).channel;  // another bracket, same channel as pilot 7
    doc->recountChannels();
    EXPECT_EQ(list.statusIcon(p), kIconChannelInBracket);
    EXPECT_EQ(list.statusIcon(pilot(7)), kIconChannelInRace);
    EXPECT_EQ(list.statusIcon(pilot(10)), kIconPlain);
    doc->planes[0]->safetyChecked = 0;
    EXPECT_EQ(list.statusIcon(p), kIconNotSafetyChecked);
    doc->planes[0]->backup = 1;
    EXPECT_EQ(list.statusIcon(p), kIconNoPrimaryPlane);
    p.active = 0;
    EXPECT_EQ(list.statusIcon(p), kIconInactive);
    p.dqFlag = 1;
    EXPECT_EQ(list.statusIcon(p), kIconDisqualified);
    p.paid = 0;
    EXPECT_EQ(list.statusIcon(p), kIconUnpaid);
    p.signedWaiver = 0;
    EXPECT_EQ(list.statusIcon(p), kIconNoWaiver);
    pilot(10).channel = 150;  // pseudo channels never conflict
    pilot(4).channel = 150;
    doc->recountChannels();
    EXPECT_EQ(list.statusIcon(pilot(10)), kIconPlain);
}

TEST_F(PilotList, SortsByEveryColumn) {
    list.setFilter(0);  // pilots 1, 4, 7, 10
    pilot(7).lastName = "aardvark";
    list.setSortColumn(PilotColumn::Name);
    EXPECT_EQ(numbers(), (Numbers{7, 1, 10, 4}));
    list.setSortColumn(PilotColumn::Chan);  // 18, 39, 60, 31
    EXPECT_EQ(numbers(), (Numbers{1, 10, 4, 7}));
    pilot(4).associationNumber = "a9";
    list.setSortColumn(PilotColumn::Korva);
    EXPECT_EQ(numbers(), (Numbers{4, 1, 10, 7}));
    pilot(10).classIndex = 1;
    list.setSortColumn(PilotColumn::Class);
    EXPECT_EQ(numbers(), (Numbers{10, 7, 1, 4}));
    doc->raceMatrix.matrix(0).removePilot(4, clock.now());
    list.setSortColumn(PilotColumn::Lane);
    EXPECT_EQ(numbers().front(), 4);
    list.setSortColumn(PilotColumn::Number);
    EXPECT_EQ(numbers(), (Numbers{1, 4, 7, 10}));
}

TEST_F(PilotList, FinishOrderAndLowTime) {
    list.setFilter(0);
    standings.totals = {{1, 5}, {4, 9}, {7, 9}, {10, 0}};
    standings.best = {{1, {7000, false}}, {4, {0, false}}, {7, {8000, true}}, {10, {8000, false}}};
    list.setSortColumn(PilotColumn::Points);
    EXPECT_EQ(numbers(), (Numbers{7, 4, 1, 10}));  // equal totals: a time before none
    pilot(4).flyOffPoints = 3;
    pilot(7).flyOffPoints = 1;
    doc->resolveTiesByFlyOff = 1;
    doc->raceFinished = 1;
    list.sort();
    EXPECT_EQ(numbers(), (Numbers{4, 7, 1, 10}));
    list.setSortColumn(PilotColumn::LowTime);
    EXPECT_EQ(numbers(), (Numbers{1, 10, 7, 4}));  // without cut before with cut, none last
    doc->faiClass = 1;
    list.setSortColumn(PilotColumn::Points);
    EXPECT_EQ(numbers(), (Numbers{1, 7, 4, 10}));  // lower scores first, no score last
    list.setFilter(-1);
    EXPECT_EQ(list.rows().front()->bracket, 0);
    EXPECT_EQ(list.rows().back()->bracket, 2);
}

}  // namespace
}  // namespace korva::test
