#pragma once
// Safety checks in bulk: the planes inspected at the desk are marked in one go.

#include <cstdint>
#include <vector>

namespace korva {

class KORVARaceDoc;

// Marks the planes safety checked as one recorded change. Numbers that lead to no plane
// and planes already checked are passed over; true when any plane changed.
bool markSafetyChecked(KORVARaceDoc& doc, const std::vector<std::int32_t>& planeNumbers);

// True when some of the planes lead to a plane not yet checked: the command has work to do.
bool anyNotSafetyChecked(const KORVARaceDoc& doc, const std::vector<std::int32_t>& planeNumbers);

}  // namespace korva
