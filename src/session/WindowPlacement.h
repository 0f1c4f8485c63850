#pragma once
// Where the main window and its pilot, plane and heat windows open, and what is stored
// when they close.

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

// The list windows inside the main window, in the order of their tiles.
enum class ListWindow { Pilots = 0, Planes = 1, Heats = 2 };

inline constexpr int kMinChildWidth = 200;
inline constexpr int kMinChildHeight = 120;

// Where a list window opens in the main window's area of `width` x `height` (origin 0,0):
// where the user left it, when that place still lies in the area; else its tile, so that
// the three never cover each other: pilots top left, planes top right, heats below both.
ScreenRect listWindowPlacement(const SettingsStore& settings, ListWindow window, int width,
                               int height);
// Kept in "Windows" beside the main window's rectangle.
void storeListWindowPlace(SettingsStore& settings, ListWindow window, const ScreenRect& rect);

}  // namespace korva
