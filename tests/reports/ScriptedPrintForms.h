#pragma once
// Scripted answers to the print forms, and a print queue that records what it is handed.
// Each step expects one kind of form and edits it (OK) or cancels it; an unexpected form,
// a form of another kind or an unused step fails the test.

#include <gtest/gtest.h>

#include <any>
#include <deque>
#include <functional>
#include <string>
#include <typeindex>
#include <vector>

#include "reports/HtmlPrintQueue.h"
#include "support/RecordingQueue.h"
#include "reports/PrintForms.h"

namespace korva::test {

class ScriptedPrintForms : public PrintForms {
public:
    ~ScriptedPrintForms() override { EXPECT_TRUE(script_.empty()) << "scripted forms unused"; }

    template <typename Form>
    ScriptedPrintForms& ok(std::function<void(Form&)> edit = {}) {
        script_.push_back({typeid(Form), [edit](void* form) {
                               if (edit) edit(*static_cast<Form*>(form));
                           }});
        return *this;
    }
    template <typename Form>
    ScriptedPrintForms& cancel() {
        script_.push_back({typeid(Form), {}});
        return *this;
    }

    // The forms as they were shown, in order.
    std::vector<std::any> shown;
    template <typename Form>
    Form lastShown() const {
        for (auto it = shown.rbegin(); it != shown.rend(); ++it) {
            if (const Form* form = std::any_cast<Form>(&*it)) return *form;
        }
        ADD_FAILURE() << "form never shown";
        return {};
    }

    std::optional<HtmlFileDispositionForm> htmlFileDisposition(
        const HtmlFileDispositionForm& f) override {
        return answer(f);
    }
    std::optional<PrintReminderForm> printReminder(const PrintReminderForm& f) override {
        return answer(f);
    }
    std::optional<PrintHeatsForm> printHeats(const PrintHeatsForm& f) override { return answer(f); }
    std::optional<PrintOnlyChangedForm> printOnlyChanged(const PrintOnlyChangedForm& f) override {
        return answer(f);
    }
    std::optional<HeatDetailsTypeForm> heatDetailsType(const HeatDetailsTypeForm& f) override {
        return answer(f);
    }
    std::optional<DetailPilotsForm> detailPilots(const DetailPilotsForm& f) override {
        return answer(f);
    }
    std::optional<PilotPrintForm> pilotPrint(const PilotPrintForm& f) override { return answer(f); }
    std::optional<SpectatorProgramsForm> spectatorPrograms(
        const SpectatorProgramsForm& f) override {
        return answer(f);
    }
    std::optional<RoundCountForm> roundCount(const RoundCountForm& f) override { return answer(f); }
    std::optional<QuickPrintForm> quickPrint(const QuickPrintForm& f) override { return answer(f); }

private:
    struct Step {
        std::type_index type;
        std::function<void(void*)> edit;  // empty: Cancel
    };

    template <typename Form>
    std::optional<Form> answer(Form form) {
        shown.emplace_back(form);
        if (script_.empty()) {
            ADD_FAILURE() << "unexpected form " << typeid(Form).name();
            return std::nullopt;
        }
        const Step step = script_.front();
        script_.pop_front();
        if (step.type != typeid(Form)) {
            ADD_FAILURE() << "expected " << step.type.name() << ", shown " << typeid(Form).name();
            return std::nullopt;
        }
        if (!step.edit) return std::nullopt;
        step.edit(&form);
        return form;
    }

    std::deque<Step> script_;
};

}  // namespace korva::test
