#include "session/WindowPlacement.h"

#include <algorithm>
#include <climits>
#include <string>

#include "session/StartupSettings.h"

namespace korva {

namespace {
constexpr const char* kWindows = "Windows";
constexpr const char* kTop = "Main Top";
constexpr const char* kBottom = "Main Bot";
constexpr const char* kLeft = "Main Left";
constexpr const char* kRight = "Main Right";
constexpr int kEdgeMargin = 20;
constexpr const char* kListNames[] = {"Pilots", "Planes", "Heats"};
constexpr int kTopShare = 55;    // percent of the height for the pilot and plane windows
constexpr int kPilotShare = 60;  // percent of the width for the pilot window
constexpr int kNotStored = INT_MIN;

// "Pilots Left" and so on, in the style of the main window's keys.
std::string listKey(ListWindow window, const char* side) {
    return std::string(kListNames[static_cast<int>(window)]) + " " + side;
}

struct Side {
    const char* name;
    int ScreenRect::*field;
};
constexpr Side kSides[] = {{"Left", &ScreenRect::left},
                           {"Top", &ScreenRect::top},
                           {"Right", &ScreenRect::right},
                           {"Bot", &ScreenRect::bottom}};

bool cornerVisible(int x, int y, const std::vector<ScreenRect>& monitors) {
    return std::any_of(monitors.begin(), monitors.end(), [&](const ScreenRect& m) {
        return x >= m.left && y >= m.top && x <= m.right - kEdgeMargin &&
               y <= m.bottom - kEdgeMargin;
    });
}

// The tiles of the first opening; never smaller than two windows one can work in.
ScreenRect listWindowTile(ListWindow window, int width, int height) {
    const int w = std::max(width, 2 * kMinChildWidth);
    const int h = std::max(height, 2 * kMinChildHeight);
    const int split = w * kPilotShare / 100;
    const int below = h * kTopShare / 100;
    switch (window) {
        case ListWindow::Pilots: return {0, 0, split, below};
        case ListWindow::Planes: return {split, 0, w, below};
        case ListWindow::Heats: break;
    }
    return {0, below, w, h};
}
}  // namespace

std::optional<ScreenRect> mainWindowPlacement(const SettingsStore& s,
                                              const std::vector<ScreenRect>& monitors) {
    if (firstRunStage(s) == startup::kFresh) return std::nullopt;
    // Never closed yet: a stored rectangle of zeros would open a tiny window in the corner.
    if (s.getInt(kWindows, kRight, INT_MIN) == INT_MIN) return std::nullopt;
    const int left = s.getInt(kWindows, kLeft, 0);
    const int top = s.getInt(kWindows, kTop, 0);
    const int width = std::max(s.getInt(kWindows, kRight, 0) - left, kMinMainWidth);
    const int height = std::max(s.getInt(kWindows, kBottom, 0) - top, kMinMainHeight);
    const bool keep = cornerVisible(left, top, monitors);
    const int x = keep ? left : 0;
    const int y = keep ? top : 0;
    return ScreenRect{x, y, x + width, y + height};
}

ScreenRect listWindowPlacement(const SettingsStore& s, ListWindow window, int width, int height) {
    ScreenRect stored;
    bool complete = true;
    for (const Side& side : kSides) {
        stored.*side.field = s.getInt(kWindows, listKey(window, side.name), kNotStored);
        complete = complete && stored.*side.field != kNotStored;
    }
    // A place off the area (a smaller main window now) or a sliver is no place to open at.
    const bool usable = complete && stored.width() >= kMinChildWidth &&
                        stored.height() >= kMinChildHeight &&
                        cornerVisible(stored.left, stored.top, {ScreenRect{0, 0, width, height}});
    if (!usable) return listWindowTile(window, width, height);
    const int w = std::min(stored.width(), std::max(width - stored.left, kMinChildWidth));
    const int h = std::min(stored.height(), std::max(height - stored.top, kMinChildHeight));
    return {stored.left, stored.top, stored.left + w, stored.top + h};
}

void storeListWindowPlace(SettingsStore& s, ListWindow window, const ScreenRect& r) {
    for (const Side& side : kSides) s.setInt(kWindows, listKey(window, side.name), r.*side.field);
}

void storeMainWindowClosed(SettingsStore& s, const ScreenRect& r) {
    if (firstRunStage(s) == startup::kFresh) {
        s.setInt(startup::kSwitches, startup::kFirstTime, startup::kClosedOnce);
    }
    s.setInt(kWindows, kTop, r.top);
    s.setInt(kWindows, kBottom, r.bottom);
    s.setInt(kWindows, kLeft, r.left);
    s.setInt(kWindows, kRight, r.right);
}

}  // namespace korva
