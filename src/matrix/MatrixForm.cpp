#include "matrix/MatrixForm.h"

#include <algorithm>

#include "race/KORVARaceDoc.h"
#include "ui/Format.h"
#include "ui/Strings.h"

namespace korva {

namespace {

constexpr int kDefaultEndRound = 7;
constexpr int kThirdLabelId = 503;

std::string rowLabel(const KORVARaceDoc& doc, int bracket) {
    switch (bracket) {
        case 0: return doc.class424Apra ? "APRA" : "424";
        case 1: return "426";
        default: return std::string(text(kThirdLabelId));
    }
}

MatrixFormCheck refuse(MatrixFormField field, int bracket, int id, std::string text) {
    MatrixFormCheck check;
    check.accepted = false;
    check.field = field;
    check.bracket = bracket;
    check.message.id = id;
    check.message.text = std::move(text);
    check.message.icon = Icon::Warning;
    return check;
}

}  // namespace

int firstOpenRound(const KORVAMatrix& matrix) {
    int lastStarted = 0;
    for (std::size_t r = 0; r < matrix.rounds.size(); ++r) {
        if (matrix.rounds[r]->anyComplete()) lastStarted = static_cast<int>(r) + 1;
    }
    return lastStarted + 1;
}

MatrixForm matrixFormDefaults(const KORVARaceDoc& doc) {
    const KORVARaceMatrix& rm = doc.raceMatrix;
    MatrixForm form;
    form.channelSort = doc.channelSortOrder;
    for (int b = 0; b < kBracketCount; ++b) {
        const auto i = static_cast<std::size_t>(b);
        MatrixFormRow& row = form.rows[i];
        row.label = rowLabel(doc, b);
        row.visible = rm.BracketPilotCount[i] >= 2;
        if (!row.visible) continue;
        row.ticked = rm.PilotInfoChanged[i] != 0;
        const KORVAMatrix& m = rm.matrix(b);
        if (!rm.Matrixed[i]) {
            row.beginRound = row.beginMin = row.beginMax = 1;
            form.endRound = kDefaultEndRound;
            continue;
        }
        const int n = static_cast<int>(m.rounds.size());
        const bool everyStarted = std::all_of(m.rounds.begin(), m.rounds.end(),
                                              [](const auto& r) { return r->anyComplete(); });
        row.beginRound = row.beginMin = firstOpenRound(m);
        row.beginMax = n + 1;
        form.endRound = everyStarted ? n + 1 : n;
    }
    return form;
}

MatrixFormCheck checkMatrixForm(const MatrixForm& form) {
    int largestBegin = 1;
    for (int b = 0; b < kBracketCount; ++b) {
        const MatrixFormRow& row = form.rows[static_cast<std::size_t>(b)];
        if (!row.visible || !row.ticked) continue;
        if (row.beginRound < row.beginMin || row.beginRound > row.beginMax) {
            return refuse(
                MatrixFormField::BeginRound, b, str::kBeginRoundRange,
                cformat(text(str::kBeginRoundRange), row.label, row.beginMin, row.beginMax));
        }
        largestBegin = std::max(largestBegin, row.beginRound);
    }
    if (form.endRound < largestBegin || form.endRound > kMaxEndRound) {
        return refuse(MatrixFormField::EndRound, -1, str::kEndRoundRange,
                      cformat(text(str::kEndRoundRange), largestBegin, kMaxEndRound));
    }
    return {};
}

}  // namespace korva
