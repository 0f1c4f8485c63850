#pragma once
// The pilots of each lane in the order they keep for the whole race; an empty slot is a bye.

#include <array>
#include <vector>

#include "matrix/HeatOrder.h"

namespace korva {

class KORVAPilot;

using LaneList = std::vector<const KORVAPilot*>;  // nullptr: a bye
using LaneLists = std::array<LaneList, kMaxLanes>;
using LaneSlack = std::array<int, kMaxLanes>;

}  // namespace korva
