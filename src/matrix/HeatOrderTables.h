#pragma once
// Pre-built heat orders that are known to mix opponents well, so no search is needed.

#include <optional>
#include <utility>

#include "matrix/HeatOrder.h"

namespace korva {

// Heat order of round `round` (1-based) for a round of 4 heats. The table covers 16 rounds;
// later rounds start the cycle again, which keeps every pairing equally often.
HeatOrder fourHeatOrder(int lanes, int round);

// Rolls of lanes 3 and 4 for round `round` of a 4-lane round of `heats` heats, when a
// table covers that round.
std::optional<std::pair<int, int>> tableRolls(int heats, int round);

}  // namespace korva
