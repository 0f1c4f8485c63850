#include "registration/RegistrationSteps.h"

#include "race/KORVARaceDoc.h"
#include "registration/RegistrationForms.h"
#include "ui/Strings.h"

namespace korva {

std::optional<KORVAPilot> editPilotEntry(
    KORVARaceDoc& doc, RegistrationForms& forms, const KORVAPilot& base, int titleId,
    const std::function<FormCheck(const KORVAPilot&)>& accept) {
    const RaceServices& services = doc.services();
    PilotForm form = pilotFormFrom(base);
    PilotFormSetup setup = pilotFormSetup(doc, std::string(text(titleId)));
    for (;;) {
        std::optional<PilotForm> result = forms.pilotForm(form, setup);
        if (!result) return std::nullopt;
        form = *result;
        const FormCheck check = checkPilotForm(form, setup, services.ui);
        setup.focus = check.focus;
        if (!check.accepted) continue;
        KORVAPilot entry = base;
        const Timestamp now = services.clock.now();
        applyPilotForm(form, entry, now);
        const FormCheck verdict = accept(entry);
        setup.focus = verdict.focus;
        if (!verdict.accepted) continue;
        // Stamped only now, so that an entry without changes still equals the pilot.
        if (!entry.sameRecord(base)) entry.modifiedAt = now;
        return entry;
    }
}

void linkBuddy(KORVARaceDoc& doc, KORVAPilot& pilot, std::int32_t formerBuddy) {
    if (formerBuddy > 0 && formerBuddy != pilot.buddy) {
        KORVAPilot* former = doc.pilotByNumber(formerBuddy);
        if (former && former->buddy == pilot.pilotNumber) former->buddy = 0;
    }
    if (pilot.buddy <= 0) return;
    KORVAPilot* buddy = doc.pilotByNumber(pilot.buddy);
    if (!buddy || buddy == &pilot) {
        pilot.buddy = 0;
        return;
    }
    buddy->buddy = pilot.pilotNumber;
}

bool samePersonDifferentId(const KORVAPilot& pilot, const KORVAPilot& entry) {
    if (pilot.pilotId == entry.pilotId) return false;
    KORVAPilot probe = entry;
    probe.pilotId = pilot.pilotId;
    return probe.sameDataOnFile(pilot);
}

KORVAPilot& appendPilotWithPlane(KORVARaceDoc& doc, const KORVAPilot& entry, bool safetyChecked) {
    static constexpr const char* kUnknownPlane = "Unknown";
    auto pilot = std::make_unique<KORVAPilot>(entry);
    auto plane = std::make_unique<KORVAPlane>();
    plane->planeNumber = static_cast<std::int32_t>(doc.planes.size()) + 1;
    plane->type = kUnknownPlane;
    plane->mainColor = kUnknownPlane;
    plane->engine = kUnknownPlane;
    plane->pilotNumber = pilot->pilotNumber;
    plane->backup = 0;
    plane->safetyChecked = safetyChecked ? 1 : 0;
    pilot->addPlane(plane->planeNumber, doc.services().ui);
    doc.pilots.push_back(std::move(pilot));
    doc.planes.push_back(std::move(plane));
    return *doc.pilots.back();
}

void flagBracketChanged(KORVARaceDoc& doc, int bracket) {
    if (bracket < 0 || bracket >= kBracketCount) return;
    doc.raceMatrix.PilotInfoChanged[static_cast<std::size_t>(bracket)] = 1;
}

void flagMatrixRelevantChange(KORVARaceDoc& doc, const KORVAPilot& before,
                              const KORVAPilot& after) {
    const bool relevant =
        before.channel != after.channel || before.fullName() != after.fullName() ||
        before.active != after.active || before.bracket != after.bracket ||
        before.categoryLevel() != after.categoryLevel() || before.buddy != after.buddy;
    if (!relevant) return;
    flagBracketChanged(doc, before.bracket);
    flagBracketChanged(doc, after.bracket);
}

void storeInMaster(KORVAPilotMaster& master, const std::string& oldId, const KORVAPilot& pilot) {
    if (pilot.pilotId.empty()) return;
    KORVAPilot* record = oldId.empty() ? nullptr : master.findById(oldId);
    if (!record) {
        master.add(pilot);
        return;
    }
    *record = pilot;
    master.masterChanged = true;
}

void finishRegistration(KORVARaceDoc& doc, bool recount) {
    if (recount) doc.recountChannels();
    doc.noteChange();
    doc.services().ui.refreshViews(true);
}

}  // namespace korva
