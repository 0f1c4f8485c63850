#include <gtest/gtest.h>

#include "race/KORVARaceDoc.h"
#include "samples/SampleRace.h"
#include "support/ScriptedInteraction.h"
#include "views/PlaneListRows.h"

namespace korva::test {
namespace {

class PlaneList : public ::testing::Test {
protected:
    PlaneList() {
        doc.class424Ama = 1;
        doc.class426 = 1;
        doc.raceTitle = "Fall Race";
        addPilot(1, 2, "Zed", "zulu");
        addPilot(2, 3, "Amy", "Alpha");
        addPilot(3, 0, "Bob", "beta");
        addPilot(4, 4, "Cy", "Q");  // the third bracket is not raced
        addPlane(1, false, "Nemesis", "red", "Nelson");
        addPlane(1, true, "nemesis", "Blue", "Jett");
        addPlane(2, false, "Vendetta", "blue", "Nelson");
        addPlane(3, false, "Nemesis", "Blue", "AXI");
        addPlane(4, false, "Polecat", "Red", "Nelson");
        addPlane(9, false, "Orphan", "Red", "Nelson");  // its pilot is gone
    }

    void addPilot(std::int32_t number, int classIndex, const std::string& first,
                  const std::string& last) {
        auto p = std::make_unique<KORVAPilot>(samples::makePilot(number, classIndex, 20));
        p->firstName = first;
        p->lastName = last;
        doc.pilots.push_back(std::move(p));
    }
    void addPlane(std::int32_t pilot, bool backup, const std::string& type,
                  const std::string& color, const std::string& engine) {
        auto plane = std::make_unique<KORVAPlane>();
        plane->planeNumber = static_cast<std::int32_t>(doc.planes.size()) + 1;
        plane->pilotNumber = pilot;
        plane->backup = backup ? 1 : 0;
        plane->safetyChecked = pilot == 3 ? 0 : 1;
        plane->type = type;
        plane->mainColor = color;
        plane->engine = engine;
        doc.planes.push_back(std::move(plane));
    }
    std::vector<std::int32_t> planeNumbers() const {
        std::vector<std::int32_t> out;
        for (const KORVAPlane* p : list.rows()) out.push_back(p->planeNumber);
        return out;
    }

    ScriptedInteraction ui;
    FixedClock clock;
    MemorySettingsStore settings;
    RaceServices services{ui, clock, settings};
    KORVARaceDoc doc{services};
    PlaneListRows list{doc};
};

using Numbers = std::vector<std::int32_t>;

TEST_F(PlaneList, FilterShowsBackupPlanesOnlyWithoutABracket) {
    list.refill();
    EXPECT_EQ(planeNumbers(), (Numbers{1, 2, 3, 4}));
    list.setFilter(0);
    EXPECT_EQ(planeNumbers(), (Numbers{1, 4}));
    list.setFilter(1);
    EXPECT_EQ(planeNumbers(), (Numbers{3}));
    list.setUncheckedOnly(true);  // the class filter still applies
    EXPECT_EQ(planeNumbers(), Numbers{});
}

TEST_F(PlaneList, CellsIconsWidthsAndTitle) {
    const KORVAPlane& backup = *doc.planes[1];
    EXPECT_EQ(list.cellText(backup, PlaneColumn::Name), "Zed zulu");
    EXPECT_EQ(list.cellText(backup, PlaneColumn::Number), "1");
    EXPECT_EQ(list.cellText(backup, PlaneColumn::Class), " ");
    EXPECT_EQ(list.cellText(*doc.planes[0], PlaneColumn::Class), "424");
    EXPECT_EQ(list.cellText(*doc.planes[3], PlaneColumn::Name), "Bob beta (9)");
    EXPECT_EQ(list.cellText(backup, PlaneColumn::Color), "Blue");
    EXPECT_EQ(list.cellText(backup, PlaneColumn::Description), "nemesis");
    EXPECT_EQ(list.cellText(backup, PlaneColumn::Engine), "Jett");
    EXPECT_EQ(PlaneListRows::icon(*doc.planes[0]), kIconCheckedPrimary);
    EXPECT_EQ(PlaneListRows::icon(backup), kIconCheckedBackup);
    EXPECT_EQ(PlaneListRows::icon(*doc.planes[3]), kIconNotChecked);
    settings.setInt("Views", "PlanesDescWidth", 350);  // plane widths are taken as stored
    EXPECT_EQ(PlaneListRows::columnWidth(settings, PlaneColumn::Description), 350);
    EXPECT_EQ(PlaneListRows::columnTitle(PlaneColumn::Description), "Description");
    EXPECT_EQ(list.title(), "Planes - Fall Race");
}

TEST_F(PlaneList, SortsByEveryColumn) {
    list.refill();
    const std::pair<PlaneColumn, Numbers> cases[] = {
        {PlaneColumn::Name, {3, 4, 1, 2}},  // Alpha, beta, zulu
        {PlaneColumn::Number, {1, 2, 3, 4}},
        {PlaneColumn::Class, {4, 1, 3, 2}},  // APRA 9, 424, 426, then the backup
        // Equal keys keep the order of the previous sort.
        {PlaneColumn::Color, {4, 3, 2, 1}},        // Blue, blue, Blue, red
        {PlaneColumn::Description, {4, 2, 1, 3}},  // Nemesis Blue, nemesis Blue, Nemesis red
        {PlaneColumn::Engine, {4, 2, 1, 3}},
    };
    for (const auto& [column, expected] : cases) {
        list.setSortColumn(column);
        EXPECT_EQ(planeNumbers(), expected) << static_cast<int>(column);
    }
}

}  // namespace
}  // namespace korva::test
