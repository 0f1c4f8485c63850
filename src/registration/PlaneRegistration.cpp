#include "registration/PlaneRegistration.h"

#include <algorithm>
#include <optional>

#include "race/KORVARaceDoc.h"
#include "registration/RegistrationForms.h"
#include "registration/RegistrationMessages.h"
#include "registration/RegistrationSteps.h"
#include "ui/Messages.h"

namespace korva {

namespace {

// A pilot flies one primary and one backup plane; `except` is the plane being changed.
bool roomForPlane(KORVARaceDoc& doc, const KORVAPilot& owner, bool backup, std::int32_t except) {
    const int used = std::clamp(owner.planeCount, 0, KORVAPilot::kPlaneSlots);
    for (int i = 0; i < used; ++i) {
        const std::int32_t number = owner.planeNumbers[static_cast<std::size_t>(i)];
        const KORVAPlane* plane = doc.planeByNumber(number);
        if (!plane || number == except || (plane->backup != 0) != backup) continue;
        showError(doc.services().ui, backup ? msg::kHasBackup : msg::kHasPrimary,
                  owner.pilotNumber);
        return false;
    }
    return true;
}

void detachPlane(KORVAPilot& owner, std::int32_t planeNumber) {
    const int used = std::clamp(owner.planeCount, 0, KORVAPilot::kPlaneSlots);
    const auto first = owner.planeNumbers.begin();
    const auto last = std::remove(first, first + used, planeNumber);
    const auto kept = static_cast<int>(last - first);
    std::fill(last, first + used, 0);
    owner.planeCount = kept;
}

// Shows the plane form until `accept` takes an entry that passed the form's checks; a
// refused entry comes back with the refused field focused.
template <typename Accept>
std::optional<PlaneForm> editPlane(KORVARaceDoc& doc, RegistrationForms& forms, PlaneForm form,
                                   int titleId, Accept accept) {
    PlaneFormSetup setup = planeFormSetup(doc, std::string(text(titleId)));
    for (;;) {
        std::optional<PlaneForm> result = forms.planeForm(form, setup);
        if (!result) return std::nullopt;
        form = *result;
        FormCheck check = checkPlaneForm(form, setup, doc.services().ui);
        if (check.accepted) check = accept(form);
        setup.focus = check.focus;
        if (check.accepted) return form;
    }
}

}  // namespace

bool registerPlane(KORVARaceDoc& doc, RegistrationForms& forms, std::int32_t pilotNumber) {
    Interaction& ui = doc.services().ui;
    PlaneForm initial;
    initial.pilotNumber = pilotNumber;
    KORVAPilot* owner = nullptr;
    const auto entry =
        editPlane(doc, forms, initial, msg::kRegisterPlaneTitle, [&](const PlaneForm& f) {
            owner = doc.pilotByNumber(f.pilotNumber);
            if (!owner) {
                showError(ui, msg::kNoSuchPilotForPlane, f.pilotNumber);
                return FormCheck::retry(planefield::kPilotNumber);
            }
            if (!roomForPlane(doc, *owner, f.backup, 0)) {
                return FormCheck::retry(planefield::kBackup);
            }
            return FormCheck::accept();
        });
    if (!entry) return false;
    auto plane = std::make_unique<KORVAPlane>();
    applyPlaneForm(*entry, *plane);
    plane->planeNumber = static_cast<std::int32_t>(doc.planes.size()) + 1;
    if (!owner->addPlane(plane->planeNumber, ui)) return false;
    doc.planes.push_back(std::move(plane));
    finishRegistration(doc, false);
    return true;
}

bool modifyPlane(KORVARaceDoc& doc, RegistrationForms& forms, std::int32_t planeNumber) {
    KORVAPlane* plane = doc.planeByNumber(planeNumber);
    if (!plane) return false;
    Interaction& ui = doc.services().ui;
    const PlaneForm before = planeFormFrom(*plane);
    bool unchanged = false;
    const auto entry =
        editPlane(doc, forms, before, msg::kModifyPlaneTitle, [&](const PlaneForm& f) {
            unchanged = f == before;
            if (unchanged) return FormCheck::accept();
            KORVAPilot* owner = doc.pilotByNumber(f.pilotNumber);
            if (!owner) {
                showError(ui, msg::kNoSuchPilotChanged);
                return FormCheck::retry(planefield::kPilotNumber);
            }
            // A plane handed to another pilot is checked against and attached to that pilot.
            const bool moved = f.pilotNumber != before.pilotNumber;
            if ((f.backup != before.backup || moved) &&
                !roomForPlane(doc, *owner, f.backup, planeNumber)) {
                return FormCheck::retry(planefield::kBackup);
            }
            if (moved && !owner->addPlane(planeNumber, ui)) {
                return FormCheck::retry(planefield::kPilotNumber);
            }
            return FormCheck::accept();
        });
    if (!entry || unchanged) return false;
    if (entry->pilotNumber != before.pilotNumber) {
        if (KORVAPilot* former = doc.pilotByNumber(before.pilotNumber)) {
            detachPlane(*former, planeNumber);
        }
    }
    applyPlaneForm(*entry, *plane);
    finishRegistration(doc, false);
    return true;
}

}  // namespace korva
