#include "support/ScriptedForms.h"

#include <gtest/gtest.h>

namespace korva::test {

ScriptedForms::~ScriptedForms() { verifyDone(); }

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

std::optional<PilotForm> ScriptedForms::pilotForm(const PilotForm& form,
                                                  const PilotFormSetup& setup) {
    pilotsShown.push_back(form);
    pilotSetups.push_back(setup);
    Step step;
    if (!next(Kind::Pilot, step)) return std::nullopt;
    PilotForm edited = form;
    if (step.pilotEdit) step.pilotEdit(edited);
    return edited;
}

std::optional<PlaneForm> ScriptedForms::planeForm(const PlaneForm& form,
                                                  const PlaneFormSetup& setup) {
    planesShown.push_back(form);
    planeSetups.push_back(setup);
    Step step;
    if (!next(Kind::Plane, step)) return std::nullopt;
    PlaneForm edited = form;
    if (step.planeEdit) step.planeEdit(edited);
    return edited;
}

std::optional<DeletePilotForm> ScriptedForms::deletePilotForm(const DeletePilotForm& form) {
    deletesShown.push_back(form);
    Step step;
    if (!next(Kind::Delete, step)) return std::nullopt;
    return form;
}

}  // namespace korva::test
