#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "scoring/HeatResultCheck.h"
#include "scoring/ScoringRules.h"
#include "support/ScriptedInteraction.h"
#include "ui/Strings.h"

namespace korva {
namespace {

using F = HeatResultField;
using Kind = HeatResultVerdict::Kind;

// A lane as "FINISH M:SS.HH CUTS", "DNS" or "DNF" (each with an optional time), or "" empty.
HeatResultRow row(const std::string& spec, int pilot) {
    HeatResultRow r;
    if (spec.empty()) return r;
    r.pilot = pilot;
    const char* time = spec.c_str();
    if (spec.rfind("DN", 0) == 0) {
        r.state = spec[2] == 'S' ? kDidNotStart : kDidNotFinish;
        time += 3;
    } else {
        std::sscanf(time, "%d", &r.finish);
        time = std::strchr(time, ' ');
    }
    if (time && *time) {
        std::sscanf(time, " %d:%d.%d %d", &r.minutes, &r.seconds, &r.hundredths, &r.cuts);
    }
    return r;
}

struct Case {
    std::array<const char*, 4> lanes;
    int id;  // 0: accepted
    const char* text;
    HeatResultFocus focus;
    bool fai = false;
    int heatScoring = kScoringAma;
    bool plausibilityChecked = true;
};

const char* const kAgree[] = {"1 1:30.00 0", "2 1:31.00 0", "3 1:32.00 0", "4 1:33.00 0"};

// Every check in its order, each error with its focus and each question with its answer-No focus.
// clang-format off
const Case kCases[] = {
    {{"1 10:30.00 0", kAgree[1], "", "DNS 77:00.00"}, str::kInvalidTime,
     "An invalid time value was entered for Lane 1", {0, F::Minutes}},
    {{kAgree[0], "2 1:60.00 0", "", ""}, str::kInvalidTime,
     "An invalid time value was entered for Lane 2", {1, F::Seconds}},
    {{"", "", "3 1:32.100 0", ""}, str::kInvalidTime,
     "An invalid time value was entered for Lane 3", {2, F::Hundredths}},
    {{kAgree[0], kAgree[1], kAgree[2], "4 1:33.00 3"}, str::kTooManyCuts, "Too Many Cuts Lane 4",
     {3, F::Cuts}},
    {{"0 1:30.00 -1", "", "", ""}, str::kTooManyCuts, "Too Many Cuts Lane 1", {0, F::Cuts}},
    // FAI: no time without a flight; below 50.00 s asks.
    {{"DNS 1:00.00", "", "", ""}, str::kInvalidMinutes, "Invalid minutes entry lane 1",
     {0, F::Minutes}, true},
    {{"0 1:05.00 1", "0 0:12.00 2", "", ""}, str::kInvalidSeconds, "Invalid seconds entry lane 2",
     {1, F::Seconds}, true},
    {{"", "", "DNF 0:00.07", ""}, str::kInvalidHundredths, "Invalid hundredths entry lane 3",
     {2, F::Hundredths}, true},
    {{"0 0:50.00 0", "0 0:49.99 1", "", ""}, str::kTimeTooLow,
     "The time 0:49.99 for lane 2 appears to be too low.\nIs it correct ?", {1, F::Minutes}, true},
    {{"0 0:50.00 0", "DNS", "0 0:00.00 2", ""}, 0, "", {}, true},
    // Points: F leaves out DNS, DNF and two cuts.
    {{"DNS", "DNF", "0 0:00.00 2", "2 1:30.00 0"}, str::kFinishRange,
     "The finish position must be between 1 and 1", {3, F::Finish}},
    {{"DNS", "DNF", "1 0:00.00 2", "1 1:30.00 0"}, str::kMaxCutsWithFinish,
     "Lane 3 has maximum cuts and non-zero finish position", {2, F::Finish}},
    {{kAgree[0], "3 1:31.00 0", kAgree[2], ""}, str::kFinishDuplicate,
     "Finish positions must all be different.", {1, F::Finish}},
    // Nobody finished: no finish is asked for, but a stray time still is.
    {{"DNF", "0 0:00.00 2", "DNF 0:00.05", "DNS"}, str::kInvalidHundredths,
     "Invalid hundredths entry lane 3", {2, F::Hundredths}},
    // One cut: a finisher with a place under AMA; a single point under "1 Cut = 1 Point".
    {{kAgree[0], "0 0:00.00 1", "", ""}, str::kFinishRange,
     "The finish position must be between 1 and 2", {1, F::Finish}},
    {{kAgree[0], "0 0:00.00 1", "", ""}, 0, "", {}, false, kScoringCutIsPoint},
    // Bracket 0: 84.00 s passes, 83.99 s asks, except in a user-named class.
    {{"1 1:24.00 0", "", "", ""}, 0, "", {}},
    {{"1 1:23.99 0", "", "", ""}, str::kTimeTooLow,
     "The time 1:23.99 for lane 1 appears to be too low.\nIs it correct ?", {0, F::Minutes}},
    {{"1 1:23.99 0", "", "", ""}, 0, "", {}, false, kScoringAma, false},
    {{"", "1 0:00.00 0", "2 0:00.00 1", ""}, str::kAllTimesZero,
     "All finish times are zero.\nIs this OK ?", {1, F::Minutes}},
    {{kAgree[0], "2 0:00.00 1", "0 0:00.00 2", "3 0:00.00 0"}, str::kSomeTimesZero,
     "Some times are zero and some are not.\nIs this OK ?", {1, F::Minutes}},
    {{kAgree[0], "2 0:00.00 1", "0 0:00.00 2", "3 0:00.00 0"}, str::kSomeTimesZero,
     "Some times are zero and some are not.\nIs this OK ?", {3, F::Minutes}, false, kScoringManual},
    {{kAgree[0], "2 1:29.00 0", "", ""}, str::kFinishTimesDisagree,
     "The finish positions do not agree with the times entered.\nPilot in lane 1 has a finish "
     "position lower than the pilot in lane 2 but a higher time.\nIs this OK ?", {0, F::Finish}},
};
// clang-format on

KORVAHeatUpdateDlg formOf(const Case& c) {
    KORVAHeatUpdateDlg form;
    for (std::size_t l = 0; l < 4; ++l) form.rows[l] = row(c.lanes[l], static_cast<int>(l) + 7);
    form.fai = c.fai;
    form.heatScoring = c.heatScoring;
    form.plausibilityChecked = c.plausibilityChecked;
    return form;
}

TEST(ResultEntryChecksTest, EachCheckRefusesOrAsksWithItsMessageAndFocus) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.lanes[0] + std::string(" | ") + c.lanes[1] + " | " + c.lanes[2]);
        const HeatResultVerdict v = checkHeatResult(formOf(c), {});
        if (c.id == 0) {
            EXPECT_EQ(v.kind, Kind::Accept) << v.message.text;
            continue;
        }
        const bool question = c.id == str::kTimeTooLow || c.id == str::kAllTimesZero ||
                              c.id == str::kSomeTimesZero || c.id == str::kFinishTimesDisagree;
        EXPECT_EQ(v.kind, question ? Kind::Ask : Kind::Refuse);
        EXPECT_EQ(v.message.icon, question ? Icon::Question : Icon::Error);
        EXPECT_EQ(v.message.buttons, question ? Buttons::YesNo : Buttons::Ok);
        EXPECT_EQ(v.message.id, c.id);
        EXPECT_EQ(v.message.text, c.text);
        EXPECT_EQ(v.focus, c.focus);
    }
}

TEST(ResultEntryChecksTest, EveryQuestionAnsweredYesLetsTheNextOneBeAsked) {
    // Second place beats the winner, fourth beats everybody: four disagreeing pairs.
    Case c{{"1 1:30.00 0", "2 1:29.00 0", "3 1:32.00 0", "4 1:28.00 0"}, 0, "", {}};
    test::ScriptedInteraction ui;
    for (int i = 0; i < 4; ++i) ui.expect(str::kFinishTimesDisagree, Answer::Yes);
    EXPECT_EQ(confirmHeatResult(ui, formOf(c)), std::nullopt);
    ui.verifyDone();
    ui.expect(str::kFinishTimesDisagree, Answer::Yes).expect(str::kFinishTimesDisagree, Answer::No);
    EXPECT_EQ(confirmHeatResult(ui, formOf(c)), (HeatResultFocus{0, F::Finish}));
}

}  // namespace
}  // namespace korva
