#include "support/ScriptedRaceForms.h"

#include <gtest/gtest.h>

namespace korva::test {

template <>
ScriptedRaceForms::Kind ScriptedRaceForms::kindOf<RaceProperties>() {
    return Kind::Properties;
}
template <>
ScriptedRaceForms::Kind ScriptedRaceForms::kindOf<ChannelLimitForm>() {
    return Kind::ChannelLimits;
}
template <>
ScriptedRaceForms::Kind ScriptedRaceForms::kindOf<FaiColorsForm>() {
    return Kind::FaiColors;
}
template <>
ScriptedRaceForms::Kind ScriptedRaceForms::kindOf<FaiRotationForm>() {
    return Kind::FaiRotation;
}
template <>
ScriptedRaceForms::Kind ScriptedRaceForms::kindOf<RoundQuantityForm>() {
    return Kind::RoundQuantity;
}

ScriptedRaceForms::~ScriptedRaceForms() {
    verifyDone();
}

void ScriptedRaceForms::verifyDone() {
    if (verified_) return;
    verified_ = true;
    for (const Step& s : steps_) {
        ADD_FAILURE() << "scripted step for form " << static_cast<int>(s.kind) << " unused";
    }
    steps_.clear();
}

template <typename T>
std::optional<T> ScriptedRaceForms::run(T values, const FormValidator<T>& onOk) {
    for (;;) {
        if (steps_.empty()) {
            ADD_FAILURE() << "form " << static_cast<int>(kindOf<T>()) << " shown, no step left";
            return std::nullopt;
        }
        Step step = steps_.front();
        steps_.pop_front();
        if (step.kind != kindOf<T>()) {
            ADD_FAILURE() << "expected form " << static_cast<int>(step.kind) << " but form "
                          << static_cast<int>(kindOf<T>()) << " was shown";
            return std::nullopt;
        }
        if (step.cancel) return std::nullopt;
        std::any_cast<std::function<void(T&)>&>(step.edit)(values);
        if (!onOk) return values;
        const FormOutcome outcome = onOk(values);
        if (outcome.accepted) return values;
        refusedAt.push_back(outcome.focus);
    }
}

std::optional<RaceProperties> ScriptedRaceForms::raceProperties(
    const RacePropertiesSetup& setup, const RaceProperties& values,
    const FormValidator<RaceProperties>& onOk) {
    setups.push_back(setup);
    shownProperties.push_back(values);
    return run(values, onOk);
}

std::optional<ChannelLimitForm> ScriptedRaceForms::channelLimits(
    const ChannelLimitForm& values, const FormValidator<ChannelLimitForm>& onOk) {
    shownLimits.push_back(values);
    return run(values, onOk);
}

std::optional<FaiColorsForm> ScriptedRaceForms::faiColors(const FaiColorsForm& values) {
    shownColors.push_back(values);
    return run(values, FormValidator<FaiColorsForm>{});
}

std::optional<FaiRotationForm> ScriptedRaceForms::faiRotation(
    const FaiRotationForm& values, const FormValidator<FaiRotationForm>& onOk) {
    shownRotations.push_back(values);
    return run(values, onOk);
}

std::optional<RoundQuantityForm> ScriptedRaceForms::roundQuantity(
    const RoundQuantityForm& values, const FormValidator<RoundQuantityForm>& onOk) {
    return run(values, onOk);
}

}  // namespace korva::test
