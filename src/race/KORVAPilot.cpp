#include "race/KORVAPilot.h"

#include <algorithm>

#include "race/Archive.h"
#include "race/Classes.h"
#include "race/KORVAPlane.h"
#include "ui/Messages.h"

namespace korva {

void KORVAPilot::reset() {
    pilotNumber = 0;
    active = 1;
    scratch = 0;
    paid = 0;
    signedWaiver = 0;
    dqFlag = 0;
    lane1Affinity = 0;
    buddy = 0;
    classIndex = -1;
    bracket = -1;
    channel = -1;
    planeNumbers.fill(0);
    reservedA = -1;
    planeCount = 0;
    reservedB = 0;
    classChangedAt = 0;
    modifiedAt = 0;
    recordVersion = 100;
    flyOffPoints = -1;
    flyOffTime = KORVAHeatTime{};
    flyOffCuts = 0;
    category.clear();
    versionText = "120";
}

bool KORVAPilot::sameDataOnFile(const KORVAPilot& o) const {
    return lastName == o.lastName && firstName == o.firstName &&
           middleInitial == o.middleInitial && address == o.address && extra1 == o.extra1 &&
           extra2 == o.extra2 && associationNumber == o.associationNumber && city == o.city &&
           state == o.state && postalCode == o.postalCode && phoneDay == o.phoneDay &&
           phoneNight == o.phoneNight && phoneCell == o.phoneCell && email == o.email &&
           pager == o.pager && pilotId == o.pilotId;
}

bool KORVAPilot::sameRecord(const KORVAPilot& o) const {
    // The category is compared too: a changed power level alone must not be dropped.
    return sameDataOnFile(o) && category == o.category && pilotNumber == o.pilotNumber &&
           buddy == o.buddy && active == o.active && lane1Affinity == o.lane1Affinity &&
           paid == o.paid && signedWaiver == o.signedWaiver && dqFlag == o.dqFlag &&
           classIndex == o.classIndex && bracket == o.bracket && channel == o.channel &&
           reservedA == o.reservedA && planeCount == o.planeCount &&
           flyOffPoints == o.flyOffPoints && reservedB == o.reservedB &&
           classChangedAt == o.classChangedAt && modifiedAt == o.modifiedAt &&
           planeNumbers == o.planeNumbers && recordVersion >= o.recordVersion;
}

int KORVAPilot::setClass(int newClassIndex, Timestamp now) {
    if (classIndex != -1) classChangedAt = now;
    classIndex = newClassIndex;
    bracket = bracketOfClass(newClassIndex);
    return bracket;
}

bool KORVAPilot::addPlane(std::int32_t planeNumber, Interaction& ui) {
    if (planeNumber < 1) return false;
    if (planeCount >= kMaxPlanesPerPilot) {
        showError(ui, str::kTooManyPlanes, kMaxPlanesPerPilot);
        return false;
    }
    if (planeCount < 0) planeCount = 0;
    planeNumbers[static_cast<std::size_t>(planeCount)] = planeNumber;
    ++planeCount;
    return true;
}

std::int32_t KORVAPilot::planeWithBackup(const PlaneArray& planes, int backup) const {
    const int n = std::min(std::max(planeCount, 0), kPlaneSlots);
    for (int i = 0; i < n; ++i) {
        const std::int32_t number = planeNumbers[static_cast<std::size_t>(i)];
        if (number < 1 || static_cast<std::size_t>(number) > planes.size()) continue;
        const KORVAPlane& plane = *planes[static_cast<std::size_t>(number - 1)];
        if ((plane.backup != 0) == (backup != 0)) return number;
    }
    return 0;
}

std::int32_t KORVAPilot::primaryPlane(const PlaneArray& planes) const {
    return planeWithBackup(planes, 0);
}

std::int32_t KORVAPilot::backupPlane(const PlaneArray& planes) const {
    return planeWithBackup(planes, 1);
}

int KORVAPilot::primaryPlaneSafetyChecked(const PlaneArray& planes) const {
    const std::int32_t number = primaryPlane(planes);
    if (planeCount <= 0 || number == 0) return 1;
    return planes[static_cast<std::size_t>(number - 1)]->safetyChecked;
}

int KORVAPilot::categoryLevel() const {
    if (category.size() == 1 && category[0] >= '1' && category[0] <= '4') return category[0] - '0';
    return 0;
}

std::string KORVAPilot::shortName() const {
    std::string s;
    if (!firstName.empty()) s += firstName[0];
    s += middleInitial;
    s += ' ';
    s += lastName;
    return s;
}

void KORVAPilot::setPilotId(const std::string& id, Timestamp now) {
    pilotId = id;
    modifiedAt = now;
}

void KORVAPilot::Serialize(Archive& ar) {
    if (ar.isStoring()) {
        for (std::int32_t v : {pilotNumber, active, planeCount, paid, signedWaiver, classIndex,
                               bracket}) {
            ar.writeInt(v);
        }
        for (const std::string* s : {&lastName, &firstName, &middleInitial, &city, &state,
                                     &postalCode, &address, &extra1, &extra2, &associationNumber,
                                     &pilotId}) {
            ar.writeString(*s);
        }
        for (std::int32_t v : {channel, reservedA, reservedB, classChangedAt}) ar.writeInt(v);
        for (std::int32_t v : planeNumbers) ar.writeInt(v);
        for (const std::string* s : {&phoneDay, &phoneNight, &phoneCell, &email, &pager,
                                     &category}) {
            ar.writeString(*s);
        }
        ar.writeString(dqFlag ? "DQ" : " ");
        ar.writeString(lane1Affinity ? "T" : " ");
        ar.writeString(versionText);
        ar.writeSpare(31);
        for (std::int32_t v : {buddy, recordVersion, modifiedAt, flyOffPoints, flyOffCuts}) {
            ar.writeInt(v);
        }
        flyOffTime.Serialize(ar);
        return;
    }
    for (std::int32_t* v : {&pilotNumber, &active, &planeCount, &paid, &signedWaiver,
                            &classIndex, &bracket}) {
        *v = ar.readInt();
    }
    for (std::string* s : {&lastName, &firstName, &middleInitial, &city, &state, &postalCode,
                           &address, &extra1, &extra2, &associationNumber, &pilotId}) {
        *s = ar.readString();
    }
    for (std::int32_t* v : {&channel, &reservedA, &reservedB, &classChangedAt}) *v = ar.readInt();
    for (std::int32_t& v : planeNumbers) v = ar.readInt();
    for (std::string* s : {&phoneDay, &phoneNight, &phoneCell, &email, &pager, &category}) {
        *s = ar.readString();
    }
    dqFlag = ar.readString() == "DQ" ? 1 : 0;
    lane1Affinity = ar.readString() == "T" ? 1 : 0;
    versionText = ar.readString();
    ar.readSpare(31);
    buddy = ar.readInt();
    recordVersion = ar.readInt();
    if (recordVersion > 100 || leadingNumber(versionText) > 120) {
        throw NewerVersionError(std::string(text(str::kPilots)));
    }
    if (recordVersion == 0) {
        ar.skipInts(38 + 40);
        ar.skipDoubles(40);
        ar.skipInts(40);
        recordVersion = 100;
        modifiedAt = 0;
        flyOffPoints = -1;
        flyOffCuts = 0;
        flyOffTime = KORVAHeatTime{};
    } else {
        modifiedAt = ar.readInt();
        flyOffPoints = ar.readInt();
        if (leadingNumber(versionText) < 118) {
            flyOffCuts = 0;
            flyOffTime = KORVAHeatTime{};
        } else {
            flyOffCuts = ar.readInt();
            flyOffTime.Serialize(ar);
        }
    }
    // Written back in the current layout, the oldest included.
    versionText = "120";
}

}  // namespace korva
