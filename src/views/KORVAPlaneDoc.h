#pragma once
// The plane window's own document: the race it shows and the plane selected in it.

#include <cstdint>

#include "race/KORVARaceDoc.h"

namespace korva {

class KORVAPlaneDoc {
public:
    explicit KORVAPlaneDoc(KORVARaceDoc& race) : race_(race) {}

    KORVARaceDoc& race() const { return race_; }
    // The plane a click, right click or double click last chose; 0 for none.
    std::int32_t selectedPlane = 0;
    // The selected plane while the race still has it.
    const KORVAPlane* selected() const {
        return selectedPlane > 0 ? race_.planeByNumber(selectedPlane) : nullptr;
    }

private:
    KORVARaceDoc& race_;
};

}  // namespace korva
