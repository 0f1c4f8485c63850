#include "scoring/HeatResultForm.h"

#include "scoring/ScoringRules.h"
#include "ui/Format.h"
#include "ui/Strings.h"

namespace korva {

namespace {

HeatResultRow* rowAt(KORVAHeatUpdateDlg& form, int lane) {
    if (lane < 0 || lane >= KORVAHeat::kLanes) return nullptr;
    return &form.rows[static_cast<std::size_t>(lane)];
}

void zeroTime(HeatResultRow& row) {
    row.minutes = 0;
    row.seconds = 0;
    row.hundredths = 0;
}

std::array<PilotScoreRow, KORVAHeat::kLanes> scoreRows(const KORVAHeatUpdateDlg& form) {
    std::array<PilotScoreRow, KORVAHeat::kLanes> rows;
    for (std::size_t l = 0; l < rows.size(); ++l) {
        if (!form.rows[l].hasPilot()) continue;
        rows[l].shown = true;
        rows[l].pilotName = form.rows[l].pilotName;
    }
    return rows;
}

}  // namespace

KORVAHeatTime HeatResultRow::time() const {
    KORVAHeatTime t;
    t.setParts(minutes, seconds, hundredths);
    return t;
}

std::string heatUpdateTitle(const KORVAHeatUpdateDlg& form) {
    return std::string(text(str::kEnterResultsTitle)) + " " +
           cformat(text(str::kRoundHeat), form.roundNumber, form.heatNumber);
}

SpinRange spinRange(const KORVAHeatUpdateDlg& form, HeatResultField field) {
    switch (field) {
        case HeatResultField::Finish: return {0, form.pilotLanes};
        case HeatResultField::Minutes: return {0, kMaxMinutes};
        case HeatResultField::Seconds: return {0, kMaxSeconds, {1, 2, 5}};
        case HeatResultField::Hundredths: return {0, kMaxHundredths, {1, 5, 10}};
        case HeatResultField::Cuts: return {0, form.maxCuts};
        case HeatResultField::None: break;
    }
    return {};
}

bool fieldShown(const KORVAHeatUpdateDlg& form, int lane, HeatResultField field) {
    if (lane < 0 || lane >= KORVAHeat::kLanes) return false;
    return form.rows[static_cast<std::size_t>(lane)].hasPilot() &&
           !(form.fai && field == HeatResultField::Finish);
}

std::string cutsLabel(const KORVAHeatUpdateDlg& form) {
    return std::string(text(form.fai ? str::kInfringements : str::kCuts));
}

void typeFinish(KORVAHeatUpdateDlg& form, int lane, int value) {
    HeatResultRow* row = rowAt(form, lane);
    if (!row) return;
    row->finish = value;
    if (!form.filling) row->state = kRaced;
}

void typeTime(KORVAHeatUpdateDlg& form, int lane, HeatResultField field, int value) {
    HeatResultRow* row = rowAt(form, lane);
    if (!row) return;
    switch (field) {
        case HeatResultField::Minutes: row->minutes = value; break;
        case HeatResultField::Seconds: row->seconds = value; break;
        case HeatResultField::Hundredths: row->hundredths = value; break;
        default: return;
    }
    // A time makes sense of a DNS or DNF row only under FAI rules, where it is the score.
    if (!form.filling && form.fai) row->state = kRaced;
}

void typeCuts(KORVAHeatUpdateDlg& form, int lane, int value) {
    HeatResultRow* row = rowAt(form, lane);
    if (!row) return;
    row->cuts = value;
    if (form.filling) return;
    if (form.fai) row->state = kRaced;
    if (!countsAsFinisher(value, form.heatScoring)) {
        row->finish = 0;
        zeroTime(*row);
    }
}

void clickOut(KORVAHeatUpdateDlg& form, int lane, int state) {
    HeatResultRow* row = rowAt(form, lane);
    if (!row || form.filling) return;
    zeroTime(*row);
    row->cuts = 0;
    row->finish = 0;
    row->state = state == kDidNotFinish ? kDidNotFinish : kDidNotStart;
}

void takeTypedValues(KORVAHeatUpdateDlg& form, const KORVAHeatUpdateDlg& typed) {
    for (std::size_t l = 0; l < form.rows.size(); ++l) {
        HeatResultRow& row = form.rows[l];
        const HeatResultRow& from = typed.rows[l];
        row.finish = from.finish;
        row.minutes = from.minutes;
        row.seconds = from.seconds;
        row.hundredths = from.hundredths;
        row.cuts = from.cuts;
        row.state = from.state;
    }
}

int finisherCount(const KORVAHeatUpdateDlg& form) {
    int count = 0;
    for (const HeatResultRow& row : form.rows) {
        if (row.hasPilot() && !row.out() && countsAsFinisher(row.cuts, form.heatScoring)) ++count;
    }
    return count;
}

void computeScores(KORVAHeatUpdateDlg& form) {
    for (HeatResultRow& row : form.rows) {
        if (!row.hasPilot()) continue;
        if (form.fai) {
            row.points = row.out() ? kWorstScore : faiScore(row.time().totalHundredths, row.cuts);
        } else {
            row.points =
                row.out() ? 0
                          : lanePoints(row.cuts, row.finish, form.lanesPerHeat, form.heatScoring);
        }
    }
}

KORVAVerifyPilotScores verifyForm(const KORVAHeatUpdateDlg& form) {
    KORVAVerifyPilotScores verify;
    verify.rows = scoreRows(form);
    for (std::size_t l = 0; l < verify.rows.size(); ++l) {
        if (!verify.rows[l].shown) continue;
        const int points = form.rows[l].points;
        verify.values[l] = form.fai ? scoreText(points) : std::to_string(points);
    }
    return verify;
}

KORVAEnterPilotScores enterScoresForm(const KORVAHeatUpdateDlg& form) {
    KORVAEnterPilotScores enter;
    enter.rows = scoreRows(form);
    for (std::size_t l = 0; l < enter.rows.size(); ++l) {
        if (!enter.rows[l].shown) continue;
        const HeatResultRow& row = form.rows[l];
        enter.points[l] = form.wasComplete ? row.storedPoints : row.points;
    }
    return enter;
}

int firstPointsOutOfRange(const KORVAEnterPilotScores& form) {
    for (std::size_t l = 0; l < form.rows.size(); ++l) {
        const int p = form.points[l];
        if (form.rows[l].shown && (p < kLowestManualPoints || p > kHighestManualPoints)) {
            return static_cast<int>(l);
        }
    }
    return -1;
}

}  // namespace korva
