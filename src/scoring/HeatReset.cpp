#include "scoring/HeatReset.h"

#include "race/KORVARaceDoc.h"
#include "scoring/SwapMessages.h"
#include "ui/Messages.h"

namespace korva {

namespace {

void touchMatrixOf(const KORVAHeat& heat, Timestamp now) {
    if (heat.round && heat.round->matrix) heat.round->matrix->touch(now);
}

void finishReset(KORVARaceDoc& doc, const RecomputeStandings& recompute) {
    if (recompute) recompute();
    doc.services().ui.refreshViews(true);
    doc.noteChange();
}

}  // namespace

bool resetHeatEnabled(const KORVAHeat* selected) {
    return selected && selected->isComplete();
}

bool resetRoundEnabled(const KORVAHeat* selected) {
    return selected && selected->round && selected->round->anyComplete();
}

bool resetHeat(KORVARaceDoc& doc, KORVAHeat& heat, const RecomputeStandings& recompute) {
    const Timestamp now = doc.services().clock.now();
    heat.clearResults(now);
    touchMatrixOf(heat, now);
    finishReset(doc, recompute);
    return true;
}

bool resetRound(KORVARaceDoc& doc, KORVAHeat& selected, const RecomputeStandings& recompute) {
    KORVARound* round = selected.round;
    if (!round) return false;
    if (showMessage(doc.services().ui, swapmsg::kResetRound, Icon::Warning, Buttons::OkCancel,
                    Answer::Ok) != Answer::Ok) {
        return false;
    }
    const Timestamp now = doc.services().clock.now();
    round->reset(now);
    touchMatrixOf(selected, now);
    finishReset(doc, recompute);
    return true;
}

}  // namespace korva
