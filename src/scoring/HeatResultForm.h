#pragma once
// The Enter Results form and its two confirmation forms as plain records, the rules the
// form applies while the user types, and the interface that shows the forms. The program
// implements it with dialogs, the tests with a script.

#include <array>
#include <optional>
#include <string>

#include "race/KORVAHeat.h"
#include "race/KORVAHeatTime.h"

namespace korva {

// The DNS/DNF state of a row.
inline constexpr int kRaced = -1;
inline constexpr int kDidNotStart = 0;
inline constexpr int kDidNotFinish = 1;

// Spin ranges of the time fields; cuts run 0..kMaxCuts, finish 0..the lanes with a pilot.
inline constexpr int kMaxMinutes = 9;
inline constexpr int kMaxSeconds = 59;
inline constexpr int kMaxHundredths = 99;
// Range of a manually entered score.
inline constexpr int kLowestManualPoints = -99;
inline constexpr int kHighestManualPoints = 99;

enum class HeatResultField { None, Finish, Minutes, Seconds, Hundredths, Cuts };

// Where the cursor goes when the form is shown again; lane -1 for nowhere.
struct HeatResultFocus {
    int lane = -1;
    HeatResultField field = HeatResultField::None;
    bool operator==(const HeatResultFocus&) const = default;
};

struct HeatResultRow {
    std::int32_t pilot = 0;  // 0: empty lane, the row's controls are hidden
    std::string pilotName;
    std::string planeText;
    int finish = 0;
    int minutes = 0;
    int seconds = 0;
    int hundredths = 0;
    int cuts = 0;  // infringements in an FAI race
    int state = kRaced;
    int points = 0;        // computed on OK: points, or the FAI score
    int storedPoints = 0;  // what the heat held when the form opened
    int extra = 0;         // the further flag; always stored as 0

    bool hasPilot() const { return pilot != 0; }
    bool out() const { return state == kDidNotStart || state == kDidNotFinish; }
    KORVAHeatTime time() const;
    bool operator==(const HeatResultRow&) const = default;
};

// "Enter Results Round %d Heat %d".
struct KORVAHeatUpdateDlg {
    std::array<HeatResultRow, KORVAHeat::kLanes> rows;
    int bracket = 0;
    int roundNumber = 0;
    int heatNumber = 0;
    int lanesPerHeat = 4;  // of the heat's round: the winner earns this many points
    bool fai = false;
    bool plausibilityChecked = true;  // off in a race of the user-named class
    int heatScoring = 0;              // always AMA in an FAI race
    int maxCuts = 2;
    int pilotLanes = 0;  // lanes with a pilot: the finish spin's top
    bool wasComplete = false;
    HeatResultFocus focus;
    bool filling = false;  // the live rules rest while the dialog fills its fields

    bool operator==(const KORVAHeatUpdateDlg&) const = default;
};

std::string heatUpdateTitle(const KORVAHeatUpdateDlg& form);

struct SpinRange {
    int low = 0;
    int high = 0;
    std::array<int, 3> steps{1, 1, 1};  // the step at first, after 1 s and after 2 s held
};

// Finish runs to the lanes with a pilot; seconds and hundredths spin faster when held.
SpinRange spinRange(const KORVAHeatUpdateDlg& form, HeatResultField field);
// Rows without a pilot show nothing; FAI rows have no finish.
bool fieldShown(const KORVAHeatUpdateDlg& form, int lane, HeatResultField field);
// "Cuts", or "Infringements" in an FAI race.
std::string cutsLabel(const KORVAHeatUpdateDlg& form);

// Live rules: each sets the typed value and, unless the form is filling, what follows from it.
void typeFinish(KORVAHeatUpdateDlg& form, int lane, int value);
void typeTime(KORVAHeatUpdateDlg& form, int lane, HeatResultField field, int value);
void typeCuts(KORVAHeatUpdateDlg& form, int lane, int value);
// DNS or DNF clicked: the row is zeroed and takes the state; the two exclude each other.
void clickOut(KORVAHeatUpdateDlg& form, int lane, int state);

// Copies what the user can type (finish, time, cuts, DNS/DNF) from a returned form, so
// that a form cannot change whose lanes these are or by which rules they are scored.
void takeTypedValues(KORVAHeatUpdateDlg& form, const KORVAHeatUpdateDlg& typed);

// The finisher count F: lanes with a pilot that neither DNS nor DNF and are not cut out.
int finisherCount(const KORVAHeatUpdateDlg& form);
// Fills every row's points (or FAI score) from its typed values.
void computeScores(KORVAHeatUpdateDlg& form);

// One row of a confirmation form; rows without a pilot are not shown.
struct PilotScoreRow {
    bool shown = false;
    std::string pilotName;
    bool operator==(const PilotScoreRow&) const = default;
};

// "Verify Pilot Scores": the values as text, "%d" or the FAI "%d.%02d".
struct KORVAVerifyPilotScores {
    std::array<PilotScoreRow, KORVAHeat::kLanes> rows;
    std::array<std::string, KORVAHeat::kLanes> values;
    bool operator==(const KORVAVerifyPilotScores&) const = default;
};

// "Enter Pilot Scores": the points to store, -99..99 each.
struct KORVAEnterPilotScores {
    std::array<PilotScoreRow, KORVAHeat::kLanes> rows;
    std::array<int, KORVAHeat::kLanes> points{};
    int focusLane = -1;
    bool operator==(const KORVAEnterPilotScores&) const = default;
};

KORVAVerifyPilotScores verifyForm(const KORVAHeatUpdateDlg& form);
// Starts from the computed points, or from the stored ones when the heat was complete.
KORVAEnterPilotScores enterScoresForm(const KORVAHeatUpdateDlg& form);
// First shown lane whose points lie outside -99..99; -1 when all are fine.
int firstPointsOutOfRange(const KORVAEnterPilotScores& form);

// One call per showing of a form; nullopt is Cancel.
class HeatResultForms {
public:
    virtual ~HeatResultForms() = default;
    virtual std::optional<KORVAHeatUpdateDlg> heatUpdate(const KORVAHeatUpdateDlg& form) = 0;
    virtual std::optional<KORVAVerifyPilotScores> verifyPilotScores(
        const KORVAVerifyPilotScores& form) = 0;
    virtual std::optional<KORVAEnterPilotScores> enterPilotScores(
        const KORVAEnterPilotScores& form) = 0;
};

}  // namespace korva
