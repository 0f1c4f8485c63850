#pragma once
// The forms that confirm a heat's scores before they are stored: "Verify Pilot Scores"
// shows them large enough to read back against the heat card; "Enter Pilot Scores" takes
// the points by hand.

#include <array>

#include "app/dialogs/FormDialog.h"
#include "scoring/HeatResultForm.h"

class QGridLayout;
class QSpinBox;

namespace korva {

class VerifyScoresDialog : public FormDialog {
    Q_OBJECT
public:
    VerifyScoresDialog(const KORVAVerifyPilotScores& form, QWidget* parent);
    const KORVAVerifyPilotScores& values() const { return form_; }

protected:
    bool tryAccept() override { return true; }

private:
    KORVAVerifyPilotScores form_;
};

class EnterScoresDialog : public FormDialog {
    Q_OBJECT
public:
    EnterScoresDialog(const KORVAEnterPilotScores& form, QWidget* parent);
    const KORVAEnterPilotScores& values() const { return form_; }

protected:
    bool tryAccept() override;

private:
    KORVAEnterPilotScores form_;
    std::array<QSpinBox*, KORVAHeat::kLanes> points_{};
};

}  // namespace korva
