#pragma once
// The settings read and written at start-up: first-run stages, background texts, pointers.

#include <functional>
#include <string>

#include "ui/Interaction.h"
#include "ui/SettingsStore.h"

namespace korva {

namespace startup {
inline constexpr const char* kSwitches = "Switches";
inline constexpr const char* kFirstTime = "First Time";
inline constexpr const char* kClientWindow = "ClientWindow";
inline constexpr const char* kPointer = "Pointer";
inline constexpr const char* kFlagPointer = "FlagPointer";

// First-run stages of "First Time".
inline constexpr int kFresh = 0;
inline constexpr int kClosedOnce = 1;
inline constexpr int kDefaultsWritten = 2;
inline constexpr int kShortcutAnswered = 3;
}  // namespace startup

// The two texts drawn on the empty main window, and their font faces.
struct ClientWindowTexts {
    std::string msg2Text = "We Fly Faster";
    std::string msg3Text = "Yippee !!";
    std::string msg2Font = "Brush Script MT";
    std::string msg3Font = "Brush Script MT";
};

ClientWindowTexts readClientWindow(const SettingsStore& settings);

int firstRunStage(const SettingsStore& settings);

// Steps of the first starts: background texts and pointer switch, every "Defaults" key,
// then the desktop-shortcut question. `createShortcut` returns true on success; the
// question comes back at the next start until one was made or the answer was No.
void runFirstRunStages(SettingsStore& settings, Interaction& ui,
                       const std::function<bool()>& createShortcut);

bool useOwnPointers(const SettingsStore& settings);

}  // namespace korva
