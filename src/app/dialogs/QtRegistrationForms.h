#pragma once
// The registration forms as Qt dialogs.

#include <QPointer>
#include <QWidget>

#include "registration/RegistrationForms.h"

namespace korva {

class Interaction;

class QtRegistrationForms final : public RegistrationForms {
public:
    explicit QtRegistrationForms(Interaction& ui) : ui_(ui) {}
    // Dialogs open over this window unless another dialog is open.
    void setParentWindow(QWidget* w) { parent_ = w; }

    std::optional<PilotForm> pilotForm(const PilotForm& form, const PilotFormSetup& setup) override;
    std::optional<PlaneForm> planeForm(const PlaneForm& form, const PlaneFormSetup& setup) override;
    std::optional<DeletePilotForm> deletePilotForm(const DeletePilotForm& form) override;

private:
    Interaction& ui_;
    QPointer<QWidget> parent_;
};

}  // namespace korva
