#pragma once
// When byes are spread over several lanes, lines their slots up so that byes meet as late
// as possible, or falls back to keeping every bye in one lane.

#include "matrix/LaneLists.h"
#include "matrix/RoundPlanner.h"

namespace korva {

class Interaction;
class MatrixTrace;

enum class ByeLists { Grouped, Spread };

// Looks at the planned rounds (including the extra ones), may ask message 431, and
// rolls lanes of the plan (and exchanges spread lists) to align the byes. Returns the
// lists to write.
ByeLists alignByes(HeatOrderPlan& plan, LaneLists& spread, const LaneSlack& slack, int roundQuan,
                   Interaction& ui, MatrixTrace& trace);

}  // namespace korva
