#include "app/dialogs/QtResultForms.h"

#include "app/dialogs/HeatUpdateDialog.h"
#include "app/dialogs/PilotScoreDialogs.h"

namespace korva {

std::optional<KORVAHeatUpdateDlg> QtResultForms::heatUpdate(const KORVAHeatUpdateDlg& form) {
    HeatUpdateDialog dialog(form, formParent(parent_.data()));
    return runForm(dialog);
}

std::optional<KORVAVerifyPilotScores> QtResultForms::verifyPilotScores(
    const KORVAVerifyPilotScores& form) {
    VerifyScoresDialog dialog(form, formParent(parent_.data()));
    return runForm(dialog);
}

std::optional<KORVAEnterPilotScores> QtResultForms::enterPilotScores(
    const KORVAEnterPilotScores& form) {
    EnterScoresDialog dialog(form, formParent(parent_.data()));
    return runForm(dialog);
}

}  // namespace korva
