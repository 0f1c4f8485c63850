#pragma once
// The race properties forms as Qt dialogs.

#include <QPointer>
#include <QWidget>

#include "properties/RacePropertiesForm.h"

namespace korva {

class Interaction;

class QtRaceForms final : public RacePropertiesForms {
public:
    explicit QtRaceForms(Interaction& ui) : ui_(ui) {}
    // Dialogs open over this window unless another dialog is open.
    void setParentWindow(QWidget* w) { parent_ = w; }
    // True while the race properties form is on the screen.
    bool propertiesOpen() const { return propertiesOpen_; }

    std::optional<RaceProperties> raceProperties(const RacePropertiesSetup& setup,
                                                 const RaceProperties& values,
                                                 const FormValidator<RaceProperties>& onOk) override;
    std::optional<ChannelLimitForm> channelLimits(const ChannelLimitForm& values,
                                                  const FormValidator<ChannelLimitForm>& onOk) override;
    std::optional<FaiColorsForm> faiColors(const FaiColorsForm& values) override;
    std::optional<FaiRotationForm> faiRotation(const FaiRotationForm& values,
                                               const FormValidator<FaiRotationForm>& onOk) override;
    std::optional<RoundQuantityForm> roundQuantity(
        const RoundQuantityForm& values, const FormValidator<RoundQuantityForm>& onOk) override;

private:
    QWidget* parent() const;

    Interaction& ui_;
    QPointer<QWidget> parent_;
    bool propertiesOpen_ = false;
};

}  // namespace korva
