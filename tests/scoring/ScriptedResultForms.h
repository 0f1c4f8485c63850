#pragma once
// Scripted answers to the result entry forms: each step edits and confirms the form it
// expects, or cancels. An unexpected form, a form of the wrong kind or an unused step fails.

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <variant>
#include <vector>

#include "scoring/HeatResultForm.h"

namespace korva::test {

class ScriptedResultForms : public HeatResultForms {
public:
    using ResultEdit = std::function<void(KORVAHeatUpdateDlg&)>;
    using ScoresEdit = std::function<void(KORVAEnterPilotScores&)>;
    struct Verify {};
    struct Cancel {};
    using Step = std::variant<ResultEdit, Verify, ScoresEdit, Cancel>;

    ~ScriptedResultForms() override { EXPECT_TRUE(script.empty()) << "scripted forms unused"; }

    ScriptedResultForms& results(ResultEdit edit = [](auto&) {}) { return then(edit); }
    ScriptedResultForms& verify() { return then(Verify{}); }
    ScriptedResultForms& scores(ScoresEdit edit = [](auto&) {}) { return then(edit); }
    ScriptedResultForms& cancel() { return then(Cancel{}); }

    std::optional<KORVAHeatUpdateDlg> heatUpdate(const KORVAHeatUpdateDlg& f) override {
        return answer<ResultEdit>(f, resultsShown);
    }
    std::optional<KORVAVerifyPilotScores> verifyPilotScores(
        const KORVAVerifyPilotScores& f) override {
        return answer<Verify>(f, verifiesShown);
    }
    std::optional<KORVAEnterPilotScores> enterPilotScores(const KORVAEnterPilotScores& f) override {
        return answer<ScoresEdit>(f, scoresShown);
    }

    std::deque<Step> script;
    // What the forms were shown with, in order.
    std::vector<KORVAHeatUpdateDlg> resultsShown;
    std::vector<KORVAVerifyPilotScores> verifiesShown;
    std::vector<KORVAEnterPilotScores> scoresShown;

private:
    ScriptedResultForms& then(Step step) {
        script.push_back(std::move(step));
        return *this;
    }

    template <typename Expected, typename Form>
    std::optional<Form> answer(Form form, std::vector<Form>& shown) {
        shown.push_back(form);
        const Step step = script.empty() ? Step{Cancel{}} : script.front();
        if (script.empty()) ADD_FAILURE() << "unexpected form";
        if (!script.empty()) script.pop_front();
        const Expected* expected = std::get_if<Expected>(&step);
        if (!expected && !std::holds_alternative<Cancel>(step))
            ADD_FAILURE() << "a different form was expected";
        if (!expected) return std::nullopt;
        if constexpr (std::is_invocable_v<Expected, Form&>) (*expected)(form);
        return form;
    }
};

}  // namespace korva::test
