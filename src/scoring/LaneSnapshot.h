#pragma once
// The lane pilots of every heat of a bracket matrix, kept so that a refused swap can put
// everything back as it was.

#include <array>
#include <cstdint>
#include <vector>

#include "race/KORVAMatrix.h"

namespace korva {

class LaneSnapshot {
public:
    explicit LaneSnapshot(KORVAMatrix& matrix);

    // Puts back every heat's lane pilots; time stamps were never touched.
    void restore();
    // Stamps the heats whose lanes changed since the snapshot, and then the matrix.
    // Returns whether any heat changed.
    bool touchChanged(Timestamp now);

private:
    template <typename Visit>
    void eachHeat(Visit visit);

    KORVAMatrix& matrix_;
    std::vector<std::array<std::int32_t, KORVAHeat::kLanes>> lanes_;
};

}  // namespace korva
