#include "scoring/HeatReset.h"

#include "race/KORVARaceDoc.h"
#include "scoring/EnterResultsCommand.h"
#include "scoring/SwapMessages.h"
#include "ui/Messages.h"

namespace korva {

namespace {

KORVAMatrix* matrixOf(const KORVAHeat& heat) {
    return heat.round ? heat.round->matrix : nullptr;
}

void finishReset(KORVARaceDoc& doc, const KORVAHeat& heat, const RecomputeStandings& recompute) {
    const Timestamp now = doc.services().clock.now();
    KORVAMatrix* m = matrixOf(heat);
    if (m) m->touch(now);
    if (recompute && m) recompute(m->bracketIndex, standingsAreFinal(doc));
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
    heat.clearResults(doc.services().clock.now());
    finishReset(doc, heat, recompute);
    return true;
}

bool resetRound(KORVARaceDoc& doc, KORVAHeat& selected, const RecomputeStandings& recompute) {
    KORVARound* round = selected.round;
    if (!round) return false;
    if (showMessage(doc.services().ui, swapmsg::kResetRound, Icon::Warning, Buttons::OkCancel,
                    Answer::Ok) != Answer::Ok) {
        return false;
    }
    round->reset(doc.services().clock.now());
    finishReset(doc, selected, recompute);
    return true;
}

}  // namespace korva
