#pragma once
// The plane form: type, colour and engine from editable lists of what the race already has,
// the owner's pilot number, "Safety check" and "Backup". OK runs the form's check.

#include "app/dialogs/FormDialog.h"
#include "registration/PlaneForm.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace korva {

class Interaction;

class PlaneFormDialog : public FormDialog {
    Q_OBJECT
public:
    PlaneFormDialog(const PlaneForm& form, const PlaneFormSetup& setup, Interaction& ui,
                    QWidget* parent);
    const PlaneForm& values() const { return form_; }

protected:
    bool tryAccept() override;

private:
    void collect();

    PlaneForm form_;
    PlaneFormSetup setup_;
    Interaction& ui_;
    QComboBox* type_;
    QComboBox* color_;
    QComboBox* engine_;
    QLineEdit* pilotNumber_;
    QCheckBox* safetyChecked_;
    QCheckBox* backup_;
};

}  // namespace korva
