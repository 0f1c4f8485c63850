#include "scoring/Finish.h"

#include <algorithm>

#include "race/KORVARaceDoc.h"
#include "scoring/Standings.h"
#include "ui/Messages.h"

namespace korva {

bool canFinish(const KORVARaceDoc& doc) {
    if (!anyMatrixed(doc)) return false;
    return std::any_of(doc.raceMatrix.matrices.begin(), doc.raceMatrix.matrices.end(),
                       [](const KORVAMatrix& m) { return completedRounds(m) > 0; });
}

// The mark changes before the change is counted, so that a save offered by the reminder
// writes the race as it now is.
bool finishRace(RaceStandings& standings) {
    KORVARaceDoc& doc = standings.doc();
    Interaction& ui = doc.services().ui;
    if (!allRoundsComplete(doc) && !askYesNo(ui, str::kFinishEarly, Icon::Question, Answer::Yes)) {
        if (doc.raceFinished) {
            doc.raceFinished = 0;
            doc.noteChange();
            ui.refreshViews(false);
        }
        return false;
    }
    if (!doc.raceFinished) {
        doc.raceFinished = 1;
        doc.noteChange();
        ui.refreshViews(false);
    }
    recomputeStandings(standings, true);
    return true;
}

}  // namespace korva
