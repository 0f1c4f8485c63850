#include "registration/PlaneForm.h"

#include <algorithm>

#include "race/KORVARaceDoc.h"
#include "race/RaceTextCheck.h"
#include "race/TextCodec.h"
#include "ui/Strings.h"
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
    f.type = cp1252ToUtf8(plane.type);
    f.mainColor = cp1252ToUtf8(plane.mainColor);
    f.engine = cp1252ToUtf8(plane.engine);
    f.pilotNumber = plane.pilotNumber;
    f.safetyChecked = plane.safetyChecked != 0;
    f.backup = plane.backup != 0;
    return f;
}

void applyPlaneForm(const PlaneForm& form, KORVAPlane& plane) {
    plane.type = utf8ToCp1252(form.type);
    plane.mainColor = utf8ToCp1252(form.mainColor);
    plane.engine = utf8ToCp1252(form.engine);
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
    if (!checkRaceText(ui, form.type, str::kPlaneTypeLabel))
        return FormCheck::retry(planefield::kType);
    if (!checkRaceText(ui, form.mainColor, str::kMainColorLabel)) {
        return FormCheck::retry(planefield::kMainColor);
    }
    if (!checkRaceText(ui, form.engine, str::kEngineLabel)) {
        return FormCheck::retry(planefield::kEngine);
    }
    if (!checkRange(ui, form.pilotNumber, 1, setup.pilotNumberMax, msg::kPilotNumberLabel)) {
        return FormCheck::retry(planefield::kPilotNumber);
    }
    return FormCheck::accept();
}

}  // namespace korva
