#pragma once
// The forms registration opens; each returns the edited fields, or nothing for Cancel.

#include <optional>
#include <string>

#include "registration/PilotForm.h"
#include "registration/PlaneForm.h"

namespace korva {

// The "Delete Pilot" form only shows what is about to go and asks for OK.
struct DeletePilotForm {
    std::string title;
    std::string text;
    int pilotNumber = 0;
};

class RegistrationForms {
public:
    virtual ~RegistrationForms() = default;
    virtual std::optional<PilotForm> pilotForm(const PilotForm& form,
                                               const PilotFormSetup& setup) = 0;
    virtual std::optional<PlaneForm> planeForm(const PlaneForm& form,
                                               const PlaneFormSetup& setup) = 0;
    virtual std::optional<DeletePilotForm> deletePilotForm(const DeletePilotForm& form) = 0;
};

}  // namespace korva
