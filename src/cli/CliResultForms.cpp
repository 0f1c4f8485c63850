#include "cli/CliResultForms.h"

#include <functional>
#include <ostream>

#include "race/TextCodec.h"
#include "scoring/ScoringRules.h"
#include "ui/Strings.h"

namespace korva {

namespace {

using Rows = std::array<PilotScoreRow, KORVAHeat::kLanes>;

// "[TITLE] lane 1 NAME: VALUE; lane 2 ...", over the rows that show a pilot.
void describe(std::ostream& err, const std::string& title, const Rows& rows,
              const std::function<std::string(std::size_t)>& valueOf) {
    err << "[" << title << "]";
    const char* separator = " ";
    for (std::size_t l = 0; l < rows.size(); ++l) {
        if (!rows[l].shown) continue;
        err << separator << "lane " << l + 1 << " " << cp1252ToUtf8(rows[l].pilotName) << ": "
            << valueOf(l);
        separator = "; ";
    }
    err << "\n";
}

Rows pilotRows(const KORVAHeatUpdateDlg& form) {
    Rows rows;
    for (std::size_t l = 0; l < rows.size(); ++l) {
        rows[l] = {form.rows[l].hasPilot(), form.rows[l].pilotName};
    }
    return rows;
}

std::string rowText(const KORVAHeatUpdateDlg& form, const HeatResultRow& row) {
    if (row.state == kDidNotStart) return "DNS";
    if (row.state == kDidNotFinish) return "DNF";
    std::string out = form.fai ? "" : "finish " + std::to_string(row.finish) + ", ";
    return out + row.time().text() + ", " + cutsLabel(form) + " " + std::to_string(row.cuts);
}

// As the dialog leaves a row once the lane's values are typed: DNS and DNF clear the row.
void typeLane(KORVAHeatUpdateDlg& form, int lane, const LaneEntry& entry) {
    if (entry.state != kRaced) {
        clickOut(form, lane, entry.state);
        return;
    }
    HeatResultRow& row = form.rows[static_cast<std::size_t>(lane)];
    if (entry.finish) row.finish = *entry.finish;
    row.minutes = entry.minutes;
    row.seconds = entry.seconds;
    row.hundredths = entry.hundredths;
    row.cuts = entry.cuts;
    row.state = kRaced;
}

}  // namespace

bool CliResultForms::holdsPilot(const KORVAHeatUpdateDlg& form, int lane) const {
    if (form.rows[static_cast<std::size_t>(lane)].hasPilot()) return true;
    err_ << "korva: lane " << lane + 1 << " of round " << form.roundNumber << " heat "
         << form.heatNumber << " holds no pilot\n";
    return false;
}

bool CliResultForms::fits(const KORVAHeatUpdateDlg& form) const {
    for (const auto& [lane, entry] : given_.lanes) {
        if (!holdsPilot(form, lane)) return false;
        if (entry.state == kRaced && entry.finish.has_value() == form.fai) {
            err_ << "korva: lane " << lane + 1 << ": " << (form.fai ? "an FAI" : "a points")
                 << " race takes " << laneEntryShape(form.fai) << "\n";
            return false;
        }
    }
    if (!given_.points.empty() && form.heatScoring != kScoringManual) {
        err_ << "korva: --points is for races whose points are entered by hand (Manual)\n";
        return false;
    }
    for (const auto& [lane, points] : given_.points) {
        if (!holdsPilot(form, lane)) return false;
    }
    return true;
}

std::optional<KORVAHeatUpdateDlg> CliResultForms::heatUpdate(const KORVAHeatUpdateDlg& form) {
    if (resultsShown_ || !fits(form)) return std::nullopt;
    resultsShown_ = true;
    KORVAHeatUpdateDlg typed = form;
    typed.filling = false;
    for (const auto& [lane, entry] : given_.lanes) typeLane(typed, lane, entry);
    describe(err_, heatUpdateTitle(typed), pilotRows(typed),
             [&typed](std::size_t l) { return rowText(typed, typed.rows[l]); });
    return typed;
}

std::optional<KORVAVerifyPilotScores> CliResultForms::verifyPilotScores(
    const KORVAVerifyPilotScores& form) {
    describe(err_, std::string(text(str::kVerifyScoresTitle)), form.rows,
             [&form](std::size_t l) { return form.values[l]; });
    return form;
}

std::optional<KORVAEnterPilotScores> CliResultForms::enterPilotScores(
    const KORVAEnterPilotScores& form) {
    if (scoresShown_) return std::nullopt;
    scoresShown_ = true;
    KORVAEnterPilotScores entered = form;
    for (const auto& [lane, points] : given_.points) {
        entered.points[static_cast<std::size_t>(lane)] = points;
    }
    describe(err_, std::string(text(str::kEnterScoresTitle)), entered.rows,
             [&entered](std::size_t l) { return std::to_string(entered.points[l]); });
    return entered;
}

}  // namespace korva
