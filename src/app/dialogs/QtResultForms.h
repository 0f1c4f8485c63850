#pragma once
// The result entry forms as Qt dialogs.

#include <QPointer>
#include <QWidget>

#include "scoring/HeatResultForm.h"

namespace korva {

class QtResultForms final : public HeatResultForms {
public:
    // Dialogs open over this window unless another dialog is open.
    explicit QtResultForms(QWidget* parent) : parent_(parent) {}

    std::optional<KORVAHeatUpdateDlg> heatUpdate(const KORVAHeatUpdateDlg& form) override;
    std::optional<KORVAVerifyPilotScores> verifyPilotScores(
        const KORVAVerifyPilotScores& form) override;
    std::optional<KORVAEnterPilotScores> enterPilotScores(
        const KORVAEnterPilotScores& form) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace korva
