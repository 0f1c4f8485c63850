#pragma once
// The pilot form: personal data on the left (the pilot ID offers the master file's pilots and
// fills the rest from the chosen one), race data on the right. OK runs the form's check.

#include <array>
#include <vector>

#include "app/dialogs/FormDialog.h"
#include "registration/PilotForm.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QVBoxLayout;

namespace korva {

class Interaction;

class PilotFormDialog : public FormDialog {
    Q_OBJECT
public:
    PilotFormDialog(const PilotForm& form, const PilotFormSetup& setup, Interaction& ui,
                    QWidget* parent);
    const PilotForm& values() const { return form_; }

protected:
    bool tryAccept() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildPerson(QVBoxLayout* layout);
    void buildRace(QVBoxLayout* layout);
    QLineEdit* text(const char* name, std::string PilotForm::*field);
    QCheckBox* flag(const QString& label, const char* name, bool PilotForm::*field);
    void collect();
    void showTexts();
    void chooseMasterPilot(const QString& shown);
    // A typed ID of the master file fills the form as choosing it from the list does.
    void idTyped();
    void focus(const std::string& field);

    PilotForm form_;
    PilotFormSetup setup_;
    Interaction& ui_;
    QComboBox* pilotId_ = nullptr;
    QComboBox* category_ = nullptr;
    QLineEdit* channel_ = nullptr;
    QLineEdit* buddy_ = nullptr;
    std::vector<std::pair<QLineEdit*, std::string PilotForm::*>> texts_;
    std::vector<std::pair<QCheckBox*, bool PilotForm::*>> flags_;
    std::array<QRadioButton*, 5> classes_{};
    QString lastId_;  // the ID the form was last filled for
};

}  // namespace korva
