// Changing a registered pilot.

#include <optional>

#include "race/KORVARaceDoc.h"
#include "registration/PilotRegistration.h"
#include "registration/RegistrationChecks.h"
#include "registration/RegistrationMessages.h"
#include "registration/RegistrationSteps.h"
#include "ui/Messages.h"

namespace korva {

namespace {

void offerMasterUpdate(KORVARaceDoc& doc, const KORVAPilot& before, const KORVAPilot& entry) {
    if (entry.sameDataOnFile(before)) return;
    Interaction& ui = doc.services().ui;
    const bool yes =
        entry.pilotId != before.pilotId
            ? askYesNo(ui, msg::kChangeId, Icon::Question, Answer::Yes, before.pilotId,
                       entry.pilotId)
            : askYesNo(ui, msg::kChangeMasterData, Icon::Question, Answer::Yes, entry.pilotId);
    if (yes) storeInMaster(doc.services().master, before.pilotId, entry);
}

// Heat cards show the name and channel: mark the pilot's heats as changed for reprinting.
void touchHeatsOnCardChange(KORVARaceDoc& doc, const KORVAPilot& before, const KORVAPilot& entry) {
    if (before.bracket < 0 || before.bracket >= kBracketCount) return;
    if (entry.channel == before.channel && entry.fullName() == before.fullName()) return;
    const Timestamp now = doc.services().clock.now();
    for (auto& round : doc.raceMatrix.matrix(before.bracket).rounds) {
        round->touchHeatsOf(before.pilotNumber, now);
    }
}

}  // namespace

bool modifyPilot(KORVARaceDoc& doc, RegistrationForms& forms, std::int32_t pilotNumber) {
    KORVAPilot* pilot = doc.pilotByNumber(pilotNumber);
    if (!pilot) return false;
    const KORVAPilot before = *pilot;
    const std::optional<KORVAPilot> entry =
        editPilotEntry(doc, forms, before, msg::kModifyPilotTitle,
                       [&](const KORVAPilot& e) { return validateChangedPilot(doc, e, before); });
    if (!entry || entry->sameRecord(before)) return false;

    offerMasterUpdate(doc, before, *entry);
    touchHeatsOnCardChange(doc, before, *entry);
    flagMatrixRelevantChange(doc, before, *entry);
    *pilot = *entry;
    linkBuddy(doc, *pilot, before.buddy);
    finishRegistration(doc, true);
    return true;
}

}  // namespace korva
