// Deleting a pilot: as if the pilot had never been registered.

#include <algorithm>
#include <vector>

#include "race/KORVARaceDoc.h"
#include "registration/PilotRegistration.h"
#include "registration/RegistrationForms.h"
#include "registration/RegistrationMessages.h"
#include "registration/RegistrationSteps.h"
#include "ui/Messages.h"

namespace korva {

namespace {

// Drops the pilot's planes and closes the gaps, so that plane numbers stay positions and
// no plane of the deleted pilot turns up under a pilot who later gets the same number.
void removePlanesOf(KORVARaceDoc& doc, std::int32_t pilotNumber) {
    std::vector<std::int32_t> renumbered(doc.planes.size() + 1, 0);
    PlaneArray kept;
    for (std::size_t i = 0; i < doc.planes.size(); ++i) {
        if (doc.planes[i]->pilotNumber == pilotNumber) continue;
        kept.push_back(std::move(doc.planes[i]));
        kept.back()->planeNumber = static_cast<std::int32_t>(kept.size());
        renumbered[i + 1] = kept.back()->planeNumber;
    }
    const auto oldCount = static_cast<std::int32_t>(doc.planes.size());
    doc.planes = std::move(kept);
    for (auto& p : doc.pilots) {
        const int used = std::clamp(p->planeCount, 0, KORVAPilot::kPlaneSlots);
        int n = 0;
        for (int i = 0; i < used; ++i) {
            const std::int32_t old = p->planeNumbers[static_cast<std::size_t>(i)];
            // Numbers that led nowhere before are left alone; they still lead nowhere.
            const bool inRange = old >= 1 && old <= oldCount;
            const std::int32_t now = inRange ? renumbered[static_cast<std::size_t>(old)] : old;
            if (now != 0) p->planeNumbers[static_cast<std::size_t>(n++)] = now;
        }
        for (int i = n; i < used; ++i) p->planeNumbers[static_cast<std::size_t>(i)] = 0;
        if (p->planeCount > 0) p->planeCount = n;
    }
}

void removePilot(KORVARaceDoc& doc, std::int32_t pilotNumber) {
    const Timestamp now = doc.services().clock.now();
    const KORVAPilot* pilot = doc.pilotByNumber(pilotNumber);
    flagBracketChanged(doc, pilot->bracket);
    // Every matrix: after a class change the pilot may still sit in the old one.
    for (auto& matrix : doc.raceMatrix.matrices) matrix.removePilot(pilotNumber, now);
    removePlanesOf(doc, pilotNumber);
    for (auto& p : doc.pilots) {
        if (p->buddy == pilotNumber) p->buddy = 0;
    }
    std::erase_if(doc.pilots, [&](const auto& p) { return p.get() == pilot; });
    if (doc.currentSelection == pilotNumber) doc.currentSelection = -1;
}

}  // namespace

bool deletePilot(KORVARaceDoc& doc, RegistrationForms& forms, std::int32_t pilotNumber) {
    const KORVAPilot* pilot = doc.pilotByNumber(pilotNumber);
    if (!pilot) return false;
    if (!askYesNo(doc.services().ui, msg::kDeleteNote, Icon::Warning, Answer::No)) return false;
    DeletePilotForm form;
    form.title = std::string(text(str::kDeletePilotTitle));
    // Without a middle initial the last name moves up a place, so that no double blank
    // shows between the names.
    const bool initial = !pilot->middleInitial.empty();
    form.text = cformat(text(msg::kDeleteConfirm), pilot->firstName,
                        initial ? pilot->middleInitial : pilot->lastName,
                        initial ? pilot->lastName : std::string(), pilotNumber,
                        doc.classNameOf(pilot->classIndex));
    form.pilotNumber = pilotNumber;
    if (!forms.deletePilotForm(form)) return false;
    removePilot(doc, pilotNumber);
    finishRegistration(doc, true);
    return true;
}

}  // namespace korva
