#pragma once
// The Matrix form: which brackets to build, from which round, up to which round.

#include <array>
#include <optional>
#include <string>

#include "race/Classes.h"
#include "ui/Interaction.h"

namespace korva {

class KORVAMatrix;
class KORVARaceDoc;

inline constexpr int kMaxEndRound = 32;

struct MatrixFormRow {
    bool visible = false;  // brackets of fewer than 2 pilots are not offered
    bool ticked = false;
    std::string label;
    int beginRound = 1;
    int beginMin = 1;
    int beginMax = 1;
};

enum class MatrixFormField { None, BeginRound, EndRound };

struct MatrixForm {
    std::array<MatrixFormRow, kBracketCount> rows;
    int endRound = 7;
    bool inform = true;  // "Inform of reasons to cancel matrix"
    bool informVisible = true;
    int startRollCount = 1;  // kept for the dialog's sake; generation does not use it
    int channelSort = 0;     // 0 ascending, 1 descending; stored with the race
    // Where the cursor goes when the form is shown again after a refusal.
    MatrixFormField focus = MatrixFormField::None;
    int focusBracket = -1;
};

// One call per showing of the form; nullopt is "Cancel Matrix".
class MatrixFormUser {
public:
    virtual ~MatrixFormUser() = default;
    virtual std::optional<MatrixForm> editMatrixForm(const MatrixForm& form) = 0;
};

// The round after the last round in which some heat is complete; 1 when none is.
int firstOpenRound(const KORVAMatrix& matrix);

// The form as first shown for the race.
MatrixForm matrixFormDefaults(const KORVARaceDoc& doc);

struct MatrixFormCheck {
    bool accepted = true;
    MatrixFormField field = MatrixFormField::None;
    int bracket = -1;
    Message message;  // what to tell the user when refused
};

// Ticked begin rounds in their ranges; End Round from the largest ticked begin round
// (at least 1) to 32.
MatrixFormCheck checkMatrixForm(const MatrixForm& form);

}  // namespace korva
