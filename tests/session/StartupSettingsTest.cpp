#include <gtest/gtest.h>

#include "properties/RaceDefaults.h"
#include "session/StartupSettings.h"
#include "support/ScriptedInteraction.h"

namespace korva::test {
namespace {

void expectEveryDefault(const MemorySettingsStore& s) {
    using namespace defaults;
    for (const IntKey& k :
         {kLimitChannels, kChannelLimits[0], kChannelLimits[1], kChannelLimits[2], kFlagLanes[0],
          kFlagLanes[1], kFlagLanes[2], kFlagLanes[3], kLimit3Lanes, kFastPilotRegister,
          kHeatScoring, kResolveTies, kSaveReminder, kColorPrinter, kHeatCardLaneColors,
          kHeatCardPageBreak, kPrintResolution, kStaggeredStart, kAwardPlaces}) {
        EXPECT_TRUE(s.contains(kSection, k.key)) << k.key;
        EXPECT_EQ(s.getInt(kSection, k.key, -99), k.value) << k.key;
    }
    EXPECT_EQ(s.getString(kSection, "PrintFont", ""), "Verdana");
    EXPECT_EQ(s.getString(kSection, "PrintTitleFont", ""), "Verdana");
}

TEST(FirstRun, FreshStoreEndsAtStageThreeWhetherNoOrYesWithShortcut) {
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        MemorySettingsStore s;
        ScriptedInteraction ui;
        ui.expect(70304, answer);
        int shortcuts = 0;
        runFirstRunStages(s, ui, [&] { return ++shortcuts > 0; });
        expectEveryDefault(s);
        EXPECT_EQ(s.getInt("Switches", "First Time", 0), 3);
        EXPECT_EQ(shortcuts, answer == Answer::Yes ? 1 : 0);
        EXPECT_EQ(s.getString("ClientWindow", "ClientMsg2Text", ""), "We Fly Faster");
        EXPECT_EQ(s.getString("ClientWindow", "ClientMsg3Font", ""), "Brush Script MT");
        EXPECT_EQ(s.getInt("Pointer", "FlagPointer", 0), 1);
    }
}

TEST(FirstRun, FailedShortcutAsksAgainNextTimeWithoutRewritingDefaults) {
    MemorySettingsStore s;
    ScriptedInteraction ui;
    ui.expect(70304, Answer::Yes);
    runFirstRunStages(s, ui, [] { return false; });
    EXPECT_EQ(s.getInt("Switches", "First Time", 0), 2);

    s.setInt("Defaults", "AwardPlaces", 7);
    s.setString("ClientWindow", "ClientMsg2Text", "Go");
    ui.expect(70304, Answer::No);
    runFirstRunStages(s, ui, [] { return false; });
    EXPECT_EQ(s.getInt("Switches", "First Time", 0), 3);
    EXPECT_EQ(s.getInt("Defaults", "AwardPlaces", 0), 7);
    EXPECT_EQ(readClientWindow(s).msg2Text, "Go");

    runFirstRunStages(s, ui, [] { return false; });  // nothing more is asked
}

TEST(FirstRun, ClientWindowAndPointerReadTheirDefaultsWhenMissing) {
    MemorySettingsStore s;
    const ClientWindowTexts t = readClientWindow(s);
    EXPECT_EQ(t.msg3Text, "Yippee !!");
    EXPECT_EQ(t.msg2Font, "Brush Script MT");
    EXPECT_TRUE(useOwnPointers(s));
    s.setInt("Pointer", "FlagPointer", 0);
    EXPECT_FALSE(useOwnPointers(s));
}

}  // namespace
}  // namespace korva::test
