#pragma once
// Scripted answers to the registration forms: each expected form is edited by a step or
// cancelled. A form nobody expected, a form of the wrong kind or an unused step fails.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "registration/RegistrationForms.h"

namespace korva::test {

class ScriptedForms : public RegistrationForms {
public:
    using PilotEdit = std::function<void(PilotForm&)>;
    using PlaneEdit = std::function<void(PlaneForm&)>;

    ~ScriptedForms() override;

    // OK after the edit (OK unchanged without one).
    ScriptedForms& pilot(PilotEdit edit = {});
    ScriptedForms& plane(PlaneEdit edit = {});
    ScriptedForms& deleteOk();
    ScriptedForms& cancel();  // the next form, whichever it is
    void verifyDone();

    std::optional<PilotForm> pilotForm(const PilotForm& form, const PilotFormSetup& setup) override;
    std::optional<PlaneForm> planeForm(const PlaneForm& form, const PlaneFormSetup& setup) override;
    std::optional<DeletePilotForm> deletePilotForm(const DeletePilotForm& form) override;

    // What the forms were shown with, in order.
    std::vector<PilotForm> pilotsShown;
    std::vector<PilotFormSetup> pilotSetups;
    std::vector<PlaneForm> planesShown;
    std::vector<PlaneFormSetup> planeSetups;
    std::vector<DeletePilotForm> deletesShown;

private:
    enum class Kind { Pilot, Plane, Delete, Cancel };
    struct Step {
        Kind kind;
        PilotEdit pilotEdit;
        PlaneEdit planeEdit;
    };
    bool next(Kind kind, Step& step);
    template <typename Form, typename Edit>
    std::optional<Form> answer(const Form& form, Kind kind, Edit Step::*edit);

    std::deque<Step> script_;
    bool verified_ = false;
};

}  // namespace korva::test
