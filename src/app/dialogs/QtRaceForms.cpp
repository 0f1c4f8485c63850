#include "app/dialogs/QtRaceForms.h"

#include "app/dialogs/FaiDialogs.h"
#include "app/dialogs/FormDialog.h"
#include "app/dialogs/RacePropertiesDialog.h"

namespace korva {

QWidget* QtRaceForms::parent() const { return formParent(parent_.data()); }

std::optional<RaceProperties> QtRaceForms::raceProperties(const RacePropertiesSetup& setup,
                                                          const RaceProperties& values,
                                                          const FormValidator<RaceProperties>& onOk) {
    RacePropertiesDialog dialog(setup, values, onOk, ui_, parent());
    propertiesOpen_ = true;
    auto result = runForm(dialog);
    propertiesOpen_ = false;
    return result;
}

std::optional<ChannelLimitForm> QtRaceForms::channelLimits(
    const ChannelLimitForm& values, const FormValidator<ChannelLimitForm>& onOk) {
    ChannelLimitDialog dialog(values, onOk, parent());
    return runForm(dialog);
}

std::optional<FaiColorsForm> QtRaceForms::faiColors(const FaiColorsForm& values) {
    FaiColorsDialog dialog(values, parent());
    return runForm(dialog);
}

std::optional<FaiRotationForm> QtRaceForms::faiRotation(const FaiRotationForm& values,
                                                        const FormValidator<FaiRotationForm>& onOk) {
    FaiRotationDialog dialog(values, onOk, parent());
    return runForm(dialog);
}

std::optional<RoundQuantityForm> QtRaceForms::roundQuantity(
    const RoundQuantityForm& values, const FormValidator<RoundQuantityForm>& onOk) {
    RoundQuantityDialog dialog(values, onOk, parent());
    return runForm(dialog);
}

}  // namespace korva
