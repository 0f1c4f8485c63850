#include "registration/SafetyCheck.h"

#include <algorithm>

#include "race/KORVARaceDoc.h"
#include "registration/RegistrationSteps.h"

namespace korva {

namespace {
KORVAPlane* notYetChecked(const KORVARaceDoc& doc, std::int32_t number) {
    KORVAPlane* plane = doc.planeByNumber(number);
    return plane && !plane->safetyChecked ? plane : nullptr;
}
}  // namespace

bool markSafetyChecked(KORVARaceDoc& doc, const std::vector<std::int32_t>& planeNumbers) {
    bool changed = false;
    for (std::int32_t number : planeNumbers) {
        if (KORVAPlane* plane = notYetChecked(doc, number)) {
            plane->safetyChecked = 1;
            changed = true;
        }
    }
    // One change however many planes: the save reminder counts commands, not planes.
    if (changed) finishRegistration(doc, false);
    return changed;
}

bool anyNotSafetyChecked(const KORVARaceDoc& doc, const std::vector<std::int32_t>& planeNumbers) {
    return std::any_of(planeNumbers.begin(), planeNumbers.end(),
                       [&](std::int32_t n) { return notYetChecked(doc, n) != nullptr; });
}

}  // namespace korva
