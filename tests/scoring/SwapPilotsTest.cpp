#include <gtest/gtest.h>

#include <deque>
#include <stdexcept>

#include "RaceBuilder.h"
#include "race/FileIo.h"
#include "scoring/SwapPilots.h"
#include "scoring/SwapPilotsForm.h"
#include "support/TempFolder.h"
#include "support/TestServices.h"
#include "ui/Strings.h"

namespace korva::test {
namespace {

// Answers the swap form from a queue; nullopt is Cancel.
struct ScriptedSwapForms : SwapPilotsForms {
    ~ScriptedSwapForms() override { EXPECT_TRUE(script.empty()) << "swap answers unused"; }
    std::optional<KORVASwapPilotsDlg> swapPilotsForm(const KORVASwapPilotsDlg&,
                                                     const SwapPilotsSetup& setup) override {
        // Thrown, not returned: a Cancel here could keep the command asking for ever.
        if (script.empty()) throw std::logic_error("swap form shown once too often");
        focus.push_back(setup.focus);
        auto next = script.front();
        script.pop_front();
        return next;
    }
    std::deque<std::optional<KORVASwapPilotsDlg>> script;
    std::vector<SwapField> focus;
};

KORVASwapPilotsDlg slots(int round, int heatA, int laneA, int heatB, int laneB) {
    return {0, SwapType::SingleHeatSlots, heatA, heatB, laneA, laneB, round};
}
KORVASwapPilotsDlg pilotNumbers(int a, int b) {
    return {0, SwapType::PilotsAllHeats, a, b};
}
KORVASwapPilotsDlg channels(int a, int b) {
    return {0, SwapType::ChannelsAllHeats, a, b};
}

// Class 424 with round 1 flown and rounds 2 and 3 open. Pilots 1 and 5 share channel 11,
// 3 and 10 channel 13; 10 flies in round 2 only, 7 nowhere; 8 is in class 426, 9 is DQ.
class SwapTest : public ::testing::Test {
protected:
    SwapTest() {
        doc.class424Ama = doc.class426 = 1;
        doc.saveReminder = 0;
        const int channel[] = {11, 12, 13, 14, 11, 15, 21, 22, 23, 13};
        for (int n = 1; n <= 10; ++n) addPilot(doc, n, n == 8 ? 3 : 2, channel[n - 1]);
        doc.pilotByNumber(9)->dqFlag = 1;
        addRound(doc, 0, 2, {{1, 2, 3, 0}, {4, 5, 6, 0}}, true);
        addRound(doc, 0, 2, {{4, 1, 6, 10}, {3, 5, 2, 0}});
        addRound(doc, 0, 2, {{6, 3, 1, 0}, {2, 4, 5, 0}});
        addRound(doc, 1, 3, {{8, 0, 0, 0}});
    }

    KORVAHeat& heat(int round, int h) {
        return *doc.raceMatrix.matrix(0).roundAt(round - 1)->heatAt(h - 1);
    }
    Lanes lanes(int round, int h) { return heat(round, h).lanePilot; }
    bool run(std::initializer_list<std::optional<KORVASwapPilotsDlg>> answers) {
        forms.script.insert(forms.script.end(), answers);
        return swapPilots(doc, forms);
    }

    TestServices t;
    KORVARaceDoc doc{t.services};
    ScriptedSwapForms forms;
};

TEST_F(SwapTest, SlotRefusalsShowTheFormAgainAndAnEmptySlotTakesThePilot) {
    doc.pilots.erase(doc.pilots.begin() + 6);  // numbers outlive a deletion
    EXPECT_EQ(swapValueRange(swapPilotsSetup(doc), 0, SwapType::PilotsAllHeats).high, 10);
    t.clock.set(1'700'000'500);
    t.ui.expect(70500, Answer::Yes).expect(70501).expect(70502);
    t.ui.expect(str::kFieldIntegerBetween).expect(70508);
    EXPECT_TRUE(run({slots(1, 1, 1, 2, 1),     // round 1 has results
                     slots(2, 1, 2, 1, 2),     // a slot with itself
                     slots(2, 3, 1, 1, 1),     // there are two heats
                     slots(3, 1, 4, 2, 1)}));  // pilot 2 into the empty lane 4
    EXPECT_EQ(forms.focus[3], SwapField::First);
    EXPECT_EQ(lanes(3, 1), (Lanes{6, 3, 1, 2}));
    EXPECT_EQ(lanes(3, 2), (Lanes{0, 4, 5, 0}));
    EXPECT_EQ(heat(3, 2).modifiedAt, t.clock.now());
    EXPECT_EQ(heat(2, 1).modifiedAt, kBuiltAt);
    EXPECT_EQ(doc.raceMatrix.matrix(0).MatrixTime[0], t.clock.now());
    EXPECT_NE(t.ui.asked.back().text.find("\n\n for class 424 if already"), std::string::npos);
    EXPECT_EQ(doc.changeCount, 1);

    t.ui.expect(70500, Answer::No);  // No ends the command before the form
    EXPECT_FALSE(run({}));
}

TEST_F(SwapTest, RefusedSwapsLeaveTheRaceByteForByte) {
    const auto before = doc.encode();
    t.ui.expect(70500, Answer::Yes);
    for (int id : {70502, 70503, 70510, 70504, 151, 70505, 70506, 70506, 70507, 70504}) {
        t.ui.expect(id);
    }
    EXPECT_FALSE(run({pilotNumbers(3, 3), pilotNumbers(9, 3),  // DQ
                      pilotNumbers(8, 3),                      // class 426
                      pilotNumbers(5, 6),                      // 5 would meet 1 in round 2
                      channels(10, 12), channels(12, 12), channels(30, 31),
                      channels(11, 13),  // 1 and 5 against 3 (10 misses round 3)
                      channels(13, 15),  // 3 would meet 10 in round 2
                      std::nullopt}));
    EXPECT_EQ(doc.encode(), before);
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(t.ui.asked[8].text, "There is no active pilot using channel 31");
}

TEST_F(SwapTest, PilotAndChannelSwapsChangeOpenRoundsAndRewriteTheTimingFiles) {
    TempFolder folder;
    doc.raceFolder = folder.path();
    t.services.raceFileName = "Cup.kvr";
    doc.timingFileWanted = 1;
    t.ui.expect(70500, Answer::Yes).expect(70508).expect(70500, Answer::Yes).expect(70508);
    EXPECT_TRUE(run({pilotNumbers(3, 7)}));
    EXPECT_EQ(lanes(2, 2), (Lanes{7, 5, 2, 0}));
    const auto file = readWholeFile(folder.file("Cup_424.INI"));
    EXPECT_NE(std::string(file.begin(), file.end()).find("HeatPilots4=7,5,2,0\r\n"),
              std::string::npos);
    EXPECT_TRUE(run({channels(12, 15)}));         // pilot 2 against pilot 6
    EXPECT_EQ(lanes(1, 1), (Lanes{1, 2, 3, 0}));  // flown rounds keep their pilots
    EXPECT_EQ(lanes(2, 2), (Lanes{7, 5, 6, 0}));
    EXPECT_EQ(lanes(3, 1), (Lanes{2, 7, 1, 0}));
    EXPECT_EQ(doc.changeCount, 2);
}

TEST_F(SwapTest, RadioConflictBringsTheFormBackUntilNoneCanBeResolved) {
    t.ui.expect(70500, Answer::Yes).expect(180).expect(180).expect(70508);
    EXPECT_TRUE(run({slots(2, 1, 2, 2, 1),  // 3 joins 10 on channel 13
                     std::nullopt,          // leaving is refused while it stands
                     slots(2, 1, 2, 2, 1)}));
    EXPECT_EQ(t.ui.asked[1].text,
              "There are at least one radio frequency conflicts, the first one found is in "
              "the 424 Class, Round 2.\nYou cannot continue until this is resolved.");
    EXPECT_EQ(lanes(2, 1), (Lanes{4, 1, 6, 10}));

    // A conflict in a heat already flown cannot be swapped away and must not hold the form.
    heat(3, 2).complete = kBuiltAt;
    doc.pilotByNumber(2)->channel = 11;
    heat(2, 2).lanePilot = {3, 5, 0, 0};
    t.ui.expect(70500, Answer::Yes).expect(70508);
    EXPECT_TRUE(run({slots(2, 1, 1, 2, 3)}));
    EXPECT_EQ(lanes(2, 2), (Lanes{3, 5, 4, 0}));
}

}  // namespace
}  // namespace korva::test
