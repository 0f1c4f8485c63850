#pragma once
// A scripted user of the race properties forms: each step names the form it expects and
// either edits the shown values and presses OK, or presses Cancel. A form refused by its
// check stays open and takes the next step. Unexpected or unused steps fail the test.

#include <any>
#include <deque>
#include <functional>
#include <vector>

#include "properties/RacePropertiesForm.h"

namespace korva::test {

class ScriptedRaceForms : public RacePropertiesForms {
public:
    enum class Kind { Properties, ChannelLimits, FaiColors, FaiRotation, RoundQuantity };

    ~ScriptedRaceForms() override;

    template <typename T>
    ScriptedRaceForms& ok(std::function<void(T&)> edit = [](T&) {}) {
        steps_.push_back({kindOf<T>(), false, std::move(edit)});
        return *this;
    }
    template <typename T>
    ScriptedRaceForms& cancel() {
        steps_.push_back({kindOf<T>(), true, {}});
        return *this;
    }
    void verifyDone();

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

    std::vector<RacePropertiesSetup> setups;
    std::vector<RaceProperties> shownProperties;  // as each properties form opened
    std::vector<ChannelLimitForm> shownLimits;
    std::vector<FaiColorsForm> shownColors;
    std::vector<FaiRotationForm> shownRotations;
    std::vector<FormField> refusedAt;  // focus of every refused OK, in order

private:
    struct Step {
        Kind kind;
        bool cancel;
        std::any edit;
    };

    template <typename T>
    static Kind kindOf();

    template <typename T>
    std::optional<T> run(T values, const FormValidator<T>& onOk);

    std::deque<Step> steps_;
    bool verified_ = false;
};

}  // namespace korva::test
