#pragma once
// Writing the accepted Enter Results form into its heat.

#include <array>

#include "scoring/HeatResultForm.h"
#include "ui/Clock.h"

namespace korva {

// Stores every lane with a pilot with the given points (or FAI scores), stamps the heat
// as changed and complete at `now`, and renews its matrix's change time.
void storeHeatResult(KORVAHeat& heat, const KORVAHeatUpdateDlg& form,
                     const std::array<int, KORVAHeat::kLanes>& points, Timestamp now);

}  // namespace korva
