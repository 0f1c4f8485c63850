#include "support/ScriptedForms.h"

#include <gtest/gtest.h>

namespace korva::test {

ScriptedForms::~ScriptedForms() {
    verifyDone();
}

ScriptedForms& ScriptedForms::pilot(PilotEdit edit) {
    script_.push_back({Kind::Pilot, std::move(edit), {}});
    verified_ = false;
    return *this;
}

ScriptedForms& ScriptedForms::plane(PlaneEdit edit) {
    script_.push_back({Kind::Plane, {}, std::move(edit)});
    verified_ = false;
    return *this;
}

ScriptedForms& ScriptedForms::deleteOk() {
    script_.push_back({Kind::Delete, {}, {}});
    verified_ = false;
    return *this;
}

ScriptedForms& ScriptedForms::cancel() {
    script_.push_back({Kind::Cancel, {}, {}});
    verified_ = false;
    return *this;
}

void ScriptedForms::verifyDone() {
    if (verified_) return;
    verified_ = true;
    if (!script_.empty()) ADD_FAILURE() << script_.size() << " scripted form(s) unused";
    script_.clear();
}

// False for Cancel; a missing or mismatched step fails the test and cancels.
bool ScriptedForms::next(Kind kind, Step& step) {
    if (script_.empty()) {
        ADD_FAILURE() << "unexpected form";
        return false;
    }
    step = script_.front();
    script_.pop_front();
    if (step.kind == Kind::Cancel) return false;
    if (step.kind != kind) {
        ADD_FAILURE() << "a different form was expected";
        return false;
    }
    return true;
}

template <typename Form, typename Edit>
std::optional<Form> ScriptedForms::answer(const Form& form, Kind kind, Edit Step::*edit) {
    Step step;
    if (!next(kind, step)) return std::nullopt;
    Form edited = form;
    if (step.*edit) (step.*edit)(edited);
    return edited;
}

std::optional<PilotForm> ScriptedForms::pilotForm(const PilotForm& form,
                                                  const PilotFormSetup& setup) {
    pilotsShown.push_back(form);
    pilotSetups.push_back(setup);
    return answer(form, Kind::Pilot, &Step::pilotEdit);
}

std::optional<PlaneForm> ScriptedForms::planeForm(const PlaneForm& form,
                                                  const PlaneFormSetup& setup) {
    planesShown.push_back(form);
    planeSetups.push_back(setup);
    return answer(form, Kind::Plane, &Step::planeEdit);
}

std::optional<DeletePilotForm> ScriptedForms::deletePilotForm(const DeletePilotForm& form) {
    deletesShown.push_back(form);
    Step step;
    if (!next(Kind::Delete, step)) return std::nullopt;
    return form;
}

}  // namespace korva::test
