#pragma once
// Where the main window opens, and what is stored when it closes.

#include <optional>
#include <vector>

#include "ui/SettingsStore.h"

namespace korva {

struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const ScreenRect&) const = default;
};

inline constexpr int kMinMainWidth = 500;
inline constexpr int kMinMainHeight = 300;

// The stored rectangle of "Windows", at least 500 x 300; its corner is kept only when it
// lies on one of the attached monitors, 20 pixels or more before that monitor's right and
// bottom edges, else it moves to 0,0. Nothing before the first close: the program then
// picks a size of its own.
std::optional<ScreenRect> mainWindowPlacement(const SettingsStore& settings,
                                              const std::vector<ScreenRect>& monitors);

// At close: the rectangle goes to "Windows", and a first start becomes stage 1.
void storeMainWindowClosed(SettingsStore& settings, const ScreenRect& rect);

}  // namespace korva
