#include "registration/PlaneForm.h"

#include <algorithm>

#include "race/KORVARaceDoc.h"
#include "registration/RegistrationMessages.h"

namespace korva {

namespace {

std::vector<std::string> distinctValues(const PlaneArray& planes, std::string KORVAPlane::*field) {
    std::vector<std::string> values;
    for (const auto& plane : planes) {
        if (!((*plane).*field).empty()) values.push_back((*plane).*field);
    }
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    return values;
}

}  // namespace

PlaneForm planeFormFrom(const KORVAPlane& plane) {
    PlaneForm f;
    f.type = plane.type;
    f.mainColor = plane.mainColor;
    f.engine = plane.engine;
    f.pilotNumber = plane.pilotNumber;
    f.safetyChecked = plane.safetyChecked != 0;
    f.backup = plane.backup != 0;
    return f;
}

void applyPlaneForm(const PlaneForm& form, KORVAPlane& plane) {
    plane.type = form.type;
    plane.mainColor = form.mainColor;
    plane.engine = form.engine;
    plane.pilotNumber = form.pilotNumber;
    plane.safetyChecked = form.safetyChecked ? 1 : 0;
    plane.backup = form.backup ? 1 : 0;
}

PlaneFormSetup planeFormSetup(const KORVARaceDoc& doc, const std::string& title) {
    PlaneFormSetup setup;
    setup.title = title;
    for (const auto& p : doc.pilots)
        setup.pilotNumberMax = std::max(setup.pilotNumberMax, p->pilotNumber);
    setup.types = distinctValues(doc.planes, &KORVAPlane::type);
    setup.colors = distinctValues(doc.planes, &KORVAPlane::mainColor);
    setup.engines = distinctValues(doc.planes, &KORVAPlane::engine);
    return setup;
}

FormCheck checkPlaneForm(PlaneForm& form, const PlaneFormSetup& setup, Interaction& ui) {
    trimInPlace(form.type);
    trimInPlace(form.mainColor);
    trimInPlace(form.engine);
    if (!checkRange(ui, form.pilotNumber, 1, setup.pilotNumberMax, msg::kPilotNumberLabel)) {
        return FormCheck::retry(planefield::kPilotNumber);
    }
    return FormCheck::accept();
}

}  // namespace korva
