#include "app/QtRaceForms.h"

#include <QApplication>

#include "app/FaiDialogs.h"
#include "app/RacePropertiesDialog.h"

namespace korva {

namespace {
template <typename Dialog>
auto run(Dialog& dialog) -> std::optional<std::decay_t<decltype(dialog.values())>> {
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.values();
}
}  // namespace

QWidget* QtRaceForms::parent() const {
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : parent_.data();
}

std::optional<RaceProperties> QtRaceForms::raceProperties(const RacePropertiesSetup& setup,
                                                          const RaceProperties& values,
                                                          const FormValidator<RaceProperties>& onOk) {
    RacePropertiesDialog dialog(setup, values, onOk, ui_, parent());
    propertiesOpen_ = true;
    auto result = run(dialog);
    propertiesOpen_ = false;
    return result;
}

std::optional<ChannelLimitForm> QtRaceForms::channelLimits(
    const ChannelLimitForm& values, const FormValidator<ChannelLimitForm>& onOk) {
    ChannelLimitDialog dialog(values, onOk, parent());
    return run(dialog);
}

std::optional<FaiColorsForm> QtRaceForms::faiColors(const FaiColorsForm& values) {
    FaiColorsDialog dialog(values, parent());
    return run(dialog);
}

std::optional<FaiRotationForm> QtRaceForms::faiRotation(const FaiRotationForm& values,
                                                        const FormValidator<FaiRotationForm>& onOk) {
    FaiRotationDialog dialog(values, onOk, parent());
    return run(dialog);
}

std::optional<RoundQuantityForm> QtRaceForms::roundQuantity(
    const RoundQuantityForm& values, const FormValidator<RoundQuantityForm>& onOk) {
    RoundQuantityDialog dialog(values, onOk, parent());
    return run(dialog);
}

}  // namespace korva
