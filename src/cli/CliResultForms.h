#pragma once
// The result entry forms answered from the command line of `korva results`.

#include <iosfwd>
#include <map>

#include "cli/LaneEntry.h"
#include "scoring/HeatResultForm.h"

namespace korva {

// What the command line gives, by lane index 0..3.
struct ResultsArguments {
    std::map<int, LaneEntry> lanes;
    std::map<int, int> points;  // manual scoring only
};

// Fills the Enter Results form once from the arguments; lanes not given keep what the form
// shows. A form sent back by its checks cannot be corrected without a user, so its second
// showing is refused. The scores are verified as shown; manual points take --points.
// Every form as answered is written to ERR.
class CliResultForms final : public HeatResultForms {
public:
    CliResultForms(const ResultsArguments& given, std::ostream& err) : given_(given), err_(err) {}

    std::optional<KORVAHeatUpdateDlg> heatUpdate(const KORVAHeatUpdateDlg& form) override;
    std::optional<KORVAVerifyPilotScores> verifyPilotScores(
        const KORVAVerifyPilotScores& form) override;
    std::optional<KORVAEnterPilotScores> enterPilotScores(
        const KORVAEnterPilotScores& form) override;

private:
    bool fits(const KORVAHeatUpdateDlg& form) const;
    bool holdsPilot(const KORVAHeatUpdateDlg& form, int lane) const;

    const ResultsArguments& given_;
    std::ostream& err_;
    bool resultsShown_ = false;
    bool scoresShown_ = false;
};

}  // namespace korva
