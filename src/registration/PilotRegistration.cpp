#include "registration/PilotRegistration.h"

#include <optional>

#include "race/KORVARaceDoc.h"
#include "registration/RegistrationChecks.h"
#include "registration/RegistrationMessages.h"
#include "registration/RegistrationSteps.h"
#include "ui/Messages.h"

namespace korva {

namespace {

// The race data of the entry taken over by the pilot already registered under another ID.
void mergeInto(KORVARaceDoc& doc, KORVAPilot& pilot, const KORVAPilot& entry) {
    const KORVAPilot before = pilot;
    pilot.category = entry.category;
    pilot.channel = entry.channel;
    pilot.lane1Affinity = entry.lane1Affinity;
    pilot.active = entry.active;
    pilot.paid = entry.paid;
    pilot.signedWaiver = entry.signedWaiver;
    pilot.dqFlag = entry.dqFlag;
    pilot.buddy = entry.buddy;
    linkBuddy(doc, pilot, before.buddy);
    flagMatrixRelevantChange(doc, before, pilot);
    doc.noteChange();
}

// Pilots with the entry's personal data under another ID take the new ID when the user
// agrees; one of them in the entry's class then stands for the entry. Returns that one.
KORVAPilot* takeOverDuplicates(KORVARaceDoc& doc, const KORVAPilot& entry) {
    // Without an ID there is nothing to hand over, and an empty ID would wipe theirs.
    if (entry.pilotId.empty()) return nullptr;
    RaceServices& services = doc.services();
    std::optional<bool> agreed;
    KORVAPilot* merged = nullptr;
    for (auto& p : doc.pilots) {
        if (!samePersonDifferentId(*p, entry)) continue;
        if (!agreed) {
            agreed = askYesNo(services.ui, msg::kDuplicatePilot, Icon::Question, Answer::Yes,
                              p->pilotId, entry.pilotId, entry.firstName, entry.lastName);
        }
        if (!*agreed) return nullptr;
        const std::string oldId = p->pilotId;
        p->setPilotId(entry.pilotId, services.clock.now());
        if (!merged && p->classIndex == entry.classIndex) {
            mergeInto(doc, *p, entry);
            merged = p.get();
        }
        if (KORVAPilot* record = services.master.findById(oldId)) {
            record->setPilotId(entry.pilotId, services.clock.now());
            services.master.masterChanged = true;
        }
    }
    return merged;
}

KORVAPilot& appendPilot(KORVARaceDoc& doc, const KORVAPilot& entry) {
    KORVAPilot& added = appendPilotWithPlane(doc, entry, doc.fastRegistration != 0);
    flagBracketChanged(doc, entry.bracket);
    linkBuddy(doc, added, 0);
    return added;
}

void keepMasterInStep(KORVARaceDoc& doc, const KORVAPilot& pilot) {
    if (pilot.pilotId.empty()) return;
    RaceServices& services = doc.services();
    KORVAPilot* record = services.master.findById(pilot.pilotId);
    if (!record) {
        services.master.add(pilot);
        return;
    }
    if (record->sameDataOnFile(pilot) || doc.fastRegistration) return;
    if (askYesNo(services.ui, msg::kMasterDiffers, Icon::Question, Answer::Yes, pilot.pilotId)) {
        storeInMaster(services.master, pilot.pilotId, pilot);
    }
}

}  // namespace

bool registerPilot(KORVARaceDoc& doc, RegistrationForms& forms) {
    Interaction& ui = doc.services().ui;
    const std::int32_t number = doc.nextPilotNumber();
    if (number == 0) {
        showError(ui, str::kNoFreePilotNumber, KORVAPilot::kMaxPilotNumber);
        return false;
    }
    const std::optional<KORVAPilot> entry =
        editPilotEntry(doc, forms, KORVAPilot(number), msg::kRegisterPilotTitle,
                       [&](const KORVAPilot& e) { return validateNewPilot(doc, e); });
    if (!entry) return false;

    KORVAPilot* pilot = takeOverDuplicates(doc, *entry);
    const bool added = pilot == nullptr;
    if (added) pilot = &appendPilot(doc, *entry);
    keepMasterInStep(doc, *pilot);
    if (added && doc.raceMatrix.matrix(entry->bracket).hasRounds()) {
        showInfo(ui, msg::kAddedToMatrixed, doc.classNameOf(entry->classIndex));
    }
    finishRegistration(doc, true);
    return true;
}

}  // namespace korva
