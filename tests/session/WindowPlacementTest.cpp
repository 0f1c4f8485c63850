#include <gtest/gtest.h>

#include "session/ColumnWidths.h"
#include "session/WindowPlacement.h"

namespace korva {
namespace {

MemorySettingsStore storedRect(int left, int top, int right, int bottom) {
    MemorySettingsStore s;
    s.setInt("Switches", "First Time", 3);
    storeMainWindowClosed(s, {left, top, right, bottom});
    return s;
}

const std::vector<ScreenRect> kTwoMonitors{{0, 0, 1920, 1080}, {1920, 0, 3200, 1024}};

TEST(WindowPlacement, CornerOnAnAttachedMonitorIsKept) {
    EXPECT_EQ(mainWindowPlacement(storedRect(2000, 100, 2900, 800), kTwoMonitors),
              (ScreenRect{2000, 100, 2900, 800}));
    // 20 pixels before the right and bottom edges is still on the screen.
    EXPECT_EQ(mainWindowPlacement(storedRect(3180, 1004, 3780, 1404), kTwoMonitors)->left, 3180);
}

TEST(WindowPlacement, CornerOffEveryMonitorMovesToTheOriginAndKeepsTheSize) {
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{
             {3500, 100}, {-800, 10}, {100, -5}, {3181, 100}, {2000, 1010}, {2000, 1050}}) {
        const auto placed = mainWindowPlacement(storedRect(x, y, x + 800, y + 600), kTwoMonitors);
        ASSERT_TRUE(placed);
        EXPECT_EQ(*placed, (ScreenRect{0, 0, 800, 600})) << x << "," << y;
    }
}

TEST(WindowPlacement, SmallSizesAreEnlarged) {
    EXPECT_EQ(mainWindowPlacement(storedRect(10, 20, 110, 120), kTwoMonitors),
              (ScreenRect{10, 20, 510, 320}));
    EXPECT_EQ(mainWindowPlacement(storedRect(10, 20, 5, 5), kTwoMonitors),
              (ScreenRect{10, 20, 510, 320}));
}

TEST(WindowPlacement, NothingStoredLeavesThePlacementToTheProgram) {
    MemorySettingsStore s;
    EXPECT_FALSE(mainWindowPlacement(s, kTwoMonitors));
    s.setInt("Switches", "First Time", 3);
    EXPECT_FALSE(mainWindowPlacement(s, kTwoMonitors));
}

TEST(WindowPlacement, ClosingStoresTheRectangleAndEndsStageZeroOnly) {
    MemorySettingsStore s;
    storeMainWindowClosed(s, {1, 2, 3, 4});
    EXPECT_EQ(s.getInt("Switches", "First Time", -1), 1);
    EXPECT_EQ(s.getInt("Windows", "Main Top", -1), 2);
    EXPECT_EQ(s.getInt("Windows", "Main Bot", -1), 4);
    s.setInt("Switches", "First Time", 3);
    storeMainWindowClosed(s, {1, 2, 3, 4});
    EXPECT_EQ(s.getInt("Switches", "First Time", -1), 3);
}

TEST(ListWindowPlacement, AStoredPlaceIsKeptWithinTheAreaOrGivesWayToTheTile) {
    MemorySettingsStore s;
    const ScreenRect tile = listWindowPlacement(s, ListWindow::Planes, 1000, 600);
    storeListWindowPlace(s, ListWindow::Planes, {300, 40, 900, 500});
    // In a smaller main window: cut to the area, or back to the tile once off it.
    EXPECT_EQ(listWindowPlacement(s, ListWindow::Planes, 800, 400),
              (ScreenRect{300, 40, 800, 400}));
    EXPECT_EQ(listWindowPlacement(s, ListWindow::Planes, 300, 400),
              listWindowPlacement(MemorySettingsStore(), ListWindow::Planes, 300, 400));
    // A sliver left by a stored nonsense rectangle is no place either.
    storeListWindowPlace(s, ListWindow::Planes, {10, 10, 15, 15});
    EXPECT_EQ(listWindowPlacement(s, ListWindow::Planes, 1000, 600), tile);
}

TEST(ColumnWidths, PilotWidthsOutOfRangeFallBackOthersAreTakenAsStored) {
    MemorySettingsStore s;
    const ColumnWidthKey& name = pilotColumnWidths().at(0);
    for (int bad : {0, -3, 201}) {
        storeColumnWidth(s, name, bad);
        EXPECT_EQ(readPilotColumnWidth(s, name), 120) << bad;
    }
    storeColumnWidth(s, name, 200);
    EXPECT_EQ(readPilotColumnWidth(s, name), 200);

    const ColumnWidthKey& plane = planeColumnWidths().at(4);
    EXPECT_EQ(readColumnWidth(s, plane), 100);
    storeColumnWidth(s, plane, 900);
    EXPECT_EQ(readColumnWidth(s, plane), 900);
    EXPECT_EQ(heatColumnWidths(true).at(2).width, 350);
    EXPECT_EQ(heatColumnWidths(false).at(2).width, 90);
    // Whether the user ever set a width, even a strange one.
    const ColumnWidthKey& lane = heatColumnWidths(false).at(3);
    EXPECT_EQ(storedColumnWidth(s, lane), std::nullopt);
    storeColumnWidth(s, lane, 0);
    EXPECT_EQ(storedColumnWidth(s, lane), 0);
}

}  // namespace
}  // namespace korva
