#pragma once
// The race properties form: shows the values, follows the editing rules of the core, and
// closes on OK only when the core's check accepts.

#include <QString>
#include <array>
#include <functional>
#include <vector>

#include "app/dialogs/FormDialog.h"
#include "properties/RacePropertiesForm.h"
#include "properties/RacePropertiesRules.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QGroupBox;

namespace korva {

class Interaction;

class RacePropertiesDialog : public FormDialog {
    Q_OBJECT
public:
    RacePropertiesDialog(const RacePropertiesSetup& setup, const RaceProperties& values,
                         FormValidator<RaceProperties> check, Interaction& ui, QWidget* parent);

    const RaceProperties& values() const { return values_; }

protected:
    bool tryAccept() override;

private:
    QGroupBox* buildFile();
    QGroupBox* buildClasses();
    QGroupBox* buildMatrix();
    QGroupBox* buildScoring();
    QGroupBox* buildPrinting();
    QGroupBox* buildFlags();
    QCheckBox* flagBox(const QString& text, const char* name, bool RaceProperties::*field);
    QCheckBox* classBox(const QString& text, const char* name, ClassBox box);
    QSpinBox* spinBox(int lo, int hi, const char* name, int RaceProperties::*field);
    QLineEdit* textField(const char* name, std::string RaceProperties::*field);
    QComboBox* choice(const QStringList& items, const char* name, int RaceProperties::*field);

    void showValues();  // every widget from values_, then the enabling rules
    void focus(FormField field);
    void browse();

    RacePropertiesSetup setup_;
    RaceProperties values_;
    FormValidator<RaceProperties> check_;
    Interaction& ui_;
    // Widgets and how each shows the values; run by showValues().
    std::vector<std::function<void()>> showers_;
    std::vector<std::pair<ClassBox, QCheckBox*>> classBoxes_;
    QLineEdit* fileName_ = nullptr;
    QLineEdit* userName_ = nullptr;
    QCheckBox* heatLaneColors_ = nullptr;
    QCheckBox* saveReminderOn_ = nullptr;
    QSpinBox* saveReminder_ = nullptr;
    QCheckBox* limitChannels_ = nullptr;
    QSpinBox* awardPlaces_ = nullptr;
    std::array<QSpinBox*, 4> lanes_{};
    std::array<QLabel*, 4> flagPictures_{};
    QLabel* lowRedName_ = nullptr;
    bool showing_ = false;
};

}  // namespace korva
