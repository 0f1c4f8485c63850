#include "session/StartupSettings.h"

#include "properties/RaceDefaults.h"
#include "ui/Messages.h"

namespace korva {

using namespace startup;

namespace {
constexpr const char* kMsg2Text = "ClientMsg2Text";
constexpr const char* kMsg3Text = "ClientMsg3Text";
constexpr const char* kMsg2Font = "ClientMsg2Font";
constexpr const char* kMsg3Font = "ClientMsg3Font";
}  // namespace

ClientWindowTexts readClientWindow(const SettingsStore& s) {
    const ClientWindowTexts d;
    ClientWindowTexts t;
    t.msg2Text = s.getString(kClientWindow, kMsg2Text, d.msg2Text);
    t.msg3Text = s.getString(kClientWindow, kMsg3Text, d.msg3Text);
    t.msg2Font = s.getString(kClientWindow, kMsg2Font, d.msg2Font);
    t.msg3Font = s.getString(kClientWindow, kMsg3Font, d.msg3Font);
    return t;
}

int firstRunStage(const SettingsStore& s) {
    return s.getInt(kSwitches, kFirstTime, kFresh);
}

void runFirstRunStages(SettingsStore& s, Interaction& ui,
                       const std::function<bool()>& createShortcut) {
    const int stage = firstRunStage(s);
    if (stage == kFresh) {
        const ClientWindowTexts d;
        s.setString(kClientWindow, kMsg2Text, d.msg2Text);
        s.setString(kClientWindow, kMsg3Text, d.msg3Text);
        s.setString(kClientWindow, kMsg2Font, d.msg2Font);
        s.setString(kClientWindow, kMsg3Font, d.msg3Font);
        s.setInt(kPointer, kFlagPointer, 1);
    }
    if (stage < kDefaultsWritten) {
        s.setInt(kSwitches, kFirstTime, kDefaultsWritten);
        writeAllDefaults(s);
    }
    if (stage < kShortcutAnswered) {
        const bool yes = askYesNo(ui, str::kAskDesktopShortcut, Icon::Question, Answer::Yes);
        if (!yes || createShortcut()) s.setInt(kSwitches, kFirstTime, kShortcutAnswered);
    }
}

bool useOwnPointers(const SettingsStore& s) {
    return s.getInt(kPointer, kFlagPointer, 1) != 0;
}

}  // namespace korva
