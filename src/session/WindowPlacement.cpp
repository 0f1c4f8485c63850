#include "session/WindowPlacement.h"

#include <algorithm>
#include <climits>

#include "session/StartupSettings.h"

namespace korva {

namespace {
constexpr const char* kWindows = "Windows";
constexpr const char* kTop = "Main Top";
constexpr const char* kBottom = "Main Bot";
constexpr const char* kLeft = "Main Left";
constexpr const char* kRight = "Main Right";
constexpr int kEdgeMargin = 20;

bool cornerVisible(int x, int y, const std::vector<ScreenRect>& monitors) {
    return std::any_of(monitors.begin(), monitors.end(), [&](const ScreenRect& m) {
        return x >= m.left && y >= m.top && x <= m.right - kEdgeMargin &&
               y <= m.bottom - kEdgeMargin;
    });
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
