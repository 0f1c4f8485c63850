#include "scoring/EnterResultsCommand.h"

#include "race/KORVARaceDoc.h"
#include "scoring/HeatResultCheck.h"
#include "scoring/HeatResultFill.h"
#include "scoring/HeatResultStore.h"
#include "scoring/ScoringRules.h"
#include "scoring/StandingsScores.h"
#include "ui/Messages.h"

namespace korva {

namespace {

using Points = std::array<int, KORVAHeat::kLanes>;

KORVAHeat* findHeat(KORVARaceDoc& doc, int bracket, int roundNumber, int heatNumber,
                    KORVARound*& round) {
    if (bracket < 0 || bracket >= kBracketCount) return nullptr;
    round = doc.raceMatrix.matrix(bracket).roundAt(roundNumber - 1);
    return round ? round->heatAt(heatNumber - 1) : nullptr;
}

// The manual points, asked until each lies in range; nothing on Cancel.
std::optional<Points> enterPoints(Interaction& ui, HeatResultForms& forms,
                                  const KORVAHeatUpdateDlg& form) {
    KORVAEnterPilotScores scores = enterScoresForm(form);
    for (;;) {
        std::optional<KORVAEnterPilotScores> edited = forms.enterPilotScores(scores);
        if (!edited) return std::nullopt;
        scores.points = edited->points;  // which rows show is ours to say
        scores.focusLane = firstPointsOutOfRange(scores);
        if (scores.focusLane < 0) return scores.points;
        showWarning(ui, str::kEnterIntegerBetween, kLowestManualPoints, kHighestManualPoints);
    }
}

// The points to store once the user has confirmed them; nothing sends back to the form.
std::optional<Points> confirmScores(Interaction& ui, HeatResultForms& forms,
                                    const KORVAHeatUpdateDlg& form) {
    if (form.heatScoring == kScoringManual) return enterPoints(ui, forms, form);
    if (!forms.verifyPilotScores(verifyForm(form))) return std::nullopt;
    Points points{};
    for (std::size_t l = 0; l < points.size(); ++l) points[l] = form.rows[l].points;
    return points;
}

}  // namespace

bool standingsAreFinal(const KORVARaceDoc& doc) {
    return doc.raceFinished != 0 || allRoundsComplete(doc);
}

bool enterResults(KORVARaceDoc& doc, HeatResultForms& forms, int bracket, int roundNumber,
                  int heatNumber, const EnterResultsHooks& hooks) {
    KORVARound* round = nullptr;
    KORVAHeat* heat = findHeat(doc, bracket, roundNumber, heatNumber, round);
    if (!heat) return false;
    Interaction& ui = doc.services().ui;
    KORVAHeatUpdateDlg form = buildHeatResultForm(doc, bracket, *round, *heat);
    for (;;) {
        std::optional<KORVAHeatUpdateDlg> edited = forms.heatUpdate(form);
        if (!edited) return false;
        takeTypedValues(form, *edited);
        form.focus = {};
        if (std::optional<HeatResultFocus> focus = confirmHeatResult(ui, form)) {
            form.focus = *focus;
            continue;
        }
        computeScores(form);
        if (std::optional<Points> points = confirmScores(ui, forms, form)) {
            storeHeatResult(*heat, form, *points, doc.services().clock.now());
            break;
        }
    }
    // Standings first, so that a save offered by the change count holds them too.
    if (hooks.runStandings) hooks.runStandings(bracket, standingsAreFinal(doc));
    doc.noteChange();
    ui.refreshViews(true);
    return true;
}

}  // namespace korva
