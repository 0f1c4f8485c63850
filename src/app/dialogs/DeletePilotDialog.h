#pragma once
// The "Delete Pilot" form: what is about to go, and a button to delete it.

#include "app/dialogs/FormDialog.h"
#include "registration/RegistrationForms.h"

namespace korva {

class DeletePilotDialog : public FormDialog {
    Q_OBJECT
public:
    DeletePilotDialog(const DeletePilotForm& form, QWidget* parent);
    const DeletePilotForm& values() const { return form_; }

protected:
    bool tryAccept() override { return true; }

private:
    DeletePilotForm form_;
};

}  // namespace korva
