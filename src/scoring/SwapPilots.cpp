#include "scoring/SwapPilots.h"

#include <optional>

#include "race/KORVARaceDoc.h"
#include "scoring/SwapKinds.h"
#include "scoring/SwapMessages.h"
#include "scoring/SwapPilotsForm.h"
#include "scoring/TimingFile.h"
#include "ui/Messages.h"

namespace korva {

namespace {

bool carryOutSwap(KORVARaceDoc& doc, const KORVASwapPilotsDlg& form) {
    switch (form.type) {
        case SwapType::SingleHeatSlots: return swapHeatSlots(doc, form);
        case SwapType::PilotsAllHeats: return swapPilotsInOpenRounds(doc, form);
        case SwapType::ChannelsAllHeats: return swapChannelsInOpenRounds(doc, form);
    }
    return false;
}

// One change recorded for the whole command, however many swaps it made.
void finishSwaps(KORVARaceDoc& doc, int bracket) {
    const KORVAMatrix& m = doc.raceMatrix.matrix(bracket);
    showInfo(doc.services().ui, swapmsg::kReprintReminder, classLabel(m.ClassCode));
    rewriteTimingFiles(doc);
    doc.noteChange();
    doc.services().ui.refreshViews(true);
}

}  // namespace

bool reportRadioConflict(KORVARaceDoc& doc) {
    for (int b = 0; b < kBracketCount; ++b) {
        const KORVAMatrix& m = doc.raceMatrix.matrix(b);
        // Heats with results are passed over: no swap may change them, so a conflict there
        // would hold the user in the form for good.
        const int round = m.FindChannelConflict(doc, true);
        if (round == 0) continue;
        showError(doc.services().ui, swapmsg::kRadioConflict, classLabel(m.ClassCode), round);
        return true;
    }
    return false;
}

bool swapPilots(KORVARaceDoc& doc, SwapPilotsForms& forms) {
    Interaction& ui = doc.services().ui;
    if (!askYesNo(ui, swapmsg::kCaution, Icon::Question, Answer::No)) return false;
    SwapPilotsSetup setup = swapPilotsSetup(doc);
    KORVASwapPilotsDlg form = swapPilotsDefaults(setup);
    int swappedBracket = -1;
    for (;;) {
        const std::optional<KORVASwapPilotsDlg> entry = forms.swapPilotsForm(form, setup);
        if (entry) {
            form = *entry;
            const FormVerdict<SwapField> check = checkSwapPilotsForm(form, setup, ui);
            setup.focus = check.focus;
            if (!check.accepted || !carryOutSwap(doc, form)) continue;
            swappedBracket = form.bracket;
        } else if (swappedBracket < 0) {
            return false;
        }
        // After a swap, and on leaving after one, no radio conflict may remain.
        if (!reportRadioConflict(doc)) break;
    }
    finishSwaps(doc, swappedBracket);
    return true;
}

}  // namespace korva
