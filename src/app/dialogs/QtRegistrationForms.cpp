#include "app/dialogs/QtRegistrationForms.h"

#include "app/dialogs/DeletePilotDialog.h"
#include "app/dialogs/PilotFormDialog.h"
#include "app/dialogs/PlaneFormDialog.h"

namespace korva {

std::optional<PilotForm> QtRegistrationForms::pilotForm(const PilotForm& form,
                                                        const PilotFormSetup& setup) {
    PilotFormDialog dialog(form, setup, ui_, formParent(parent_));
    return runForm(dialog);
}

std::optional<PlaneForm> QtRegistrationForms::planeForm(const PlaneForm& form,
                                                        const PlaneFormSetup& setup) {
    PlaneFormDialog dialog(form, setup, ui_, formParent(parent_));
    return runForm(dialog);
}

std::optional<DeletePilotForm> QtRegistrationForms::deletePilotForm(const DeletePilotForm& form) {
    DeletePilotDialog dialog(form, formParent(parent_));
    return runForm(dialog);
}

}  // namespace korva
