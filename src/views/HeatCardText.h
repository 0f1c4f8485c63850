#pragma once
// What a lane of the heat-card layout shows: the entered result and who flew it.

#include <cstddef>
#include <string>

namespace korva {

class KORVAHeat;

// Points race: finish, time, cuts and points, or why there are none (DNF, DNS, Max Cuts);
// FAI race: time, infringements and score. `name` is the pilot's short name.
std::string heatCardLaneText(const KORVAHeat& heat, std::size_t lane, const std::string& name,
                             bool fai);

}  // namespace korva
