#include "race/KORVAPlane.h"

#include "race/Archive.h"

namespace korva {

bool KORVAPlane::operator==(const KORVAPlane& o) const {
    return backup == o.backup && safetyChecked == o.safetyChecked &&
           pilotNumber == o.pilotNumber && planeNumber == o.planeNumber && type == o.type &&
           mainColor == o.mainColor && engine == o.engine;
}

void KORVAPlane::Serialize(Archive& ar) {
    if (ar.isStoring()) {
        ar.writeInt(backup);
        ar.writeInt(safetyChecked);
        ar.writeInt(pilotNumber);
        ar.writeInt(planeNumber);
        ar.writeString(type);
        ar.writeString(mainColor);
        ar.writeString(engine);
        ar.writeSpare(10);
        ar.writeInt(recordVersion);
        return;
    }
    backup = ar.readInt();
    safetyChecked = ar.readInt();
    pilotNumber = ar.readInt();
    planeNumber = ar.readInt();
    type = ar.readString();
    mainColor = ar.readString();
    engine = ar.readString();
    ar.readSpare(10);
    recordVersion = ar.readInt();
    if (recordVersion == 0) {
        ar.skipInts(4 + 5 + 5);
        ar.skipDoubles(2);
        ar.skipInts(5);
        recordVersion = 100;
    }
}

}  // namespace korva
