#pragma once
// The checks of the Enter Results form when the user presses OK.

#include <optional>
#include <vector>

#include "scoring/HeatResultForm.h"
#include "ui/Interaction.h"

namespace korva {

// A question of the checks, told apart by its message and the lanes it names.
struct HeatResultQuestion {
    int id = 0;
    int lane = -1;
    int otherLane = -1;
    bool operator==(const HeatResultQuestion&) const = default;
};

struct HeatResultVerdict {
    enum class Kind { Accept, Refuse, Ask };
    Kind kind = Kind::Accept;
    Message message;        // the error to show, or the question to ask
    HeatResultFocus focus;  // where the form opens again: refused, or the answer No
    HeatResultQuestion question;
};

// Runs the checks in their order and stops at the first error or question; questions in
// `confirmed` were answered Yes before and are passed over.
HeatResultVerdict checkHeatResult(const KORVAHeatUpdateDlg& form,
                                  const std::vector<HeatResultQuestion>& confirmed);

// The checks with the user: shows the error, or asks each question in turn. Returns
// nothing when the form may close, else where to put the cursor when it shows again.
std::optional<HeatResultFocus> confirmHeatResult(Interaction& ui, const KORVAHeatUpdateDlg& form);

}  // namespace korva
