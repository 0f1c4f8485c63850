#include "matrix/ByeInsertion.h"

#include "race/KORVAPilot.h"
#include "ui/CRandom.h"

namespace korva {

namespace {

// Positions of the first pilot of every channel group; byes between pilots do not split
// a group.
std::vector<std::size_t> groupStarts(const LaneList& list) {
    std::vector<std::size_t> starts;
    const KORVAPilot* previous = nullptr;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const KORVAPilot* p = list[i];
        if (!p) continue;
        if (!previous || previous->channel != p->channel) starts.push_back(i);
        previous = p;
    }
    return starts;
}

}  // namespace

void insertByes(LaneList& list, int heats, CRandom& random) {
    if (static_cast<int>(list.size()) >= heats) return;
    int byes = heats - static_cast<int>(list.size());
    const auto groups = static_cast<int>(groupStarts(list).size());
    // A list without pilots (an empty lane, or a kept lane of empty slots) just gets its
    // missing slots.
    if (groups == 0) {
        list.resize(static_cast<std::size_t>(heats), nullptr);
        return;
    }
    while (byes >= groups && byes > 0) {
        // One bye before every group, front to back; each insertion moves later groups on.
        const std::vector<std::size_t> starts = groupStarts(list);
        for (std::size_t k = 0; k < starts.size() && byes > 0; ++k, --byes) {
            list.insert(list.begin() + static_cast<std::ptrdiff_t>(starts[k] + k), nullptr);
        }
    }
    while (byes > 0) {
        const int g = random.rand() % groups;
        const std::vector<std::size_t> starts = groupStarts(list);
        const std::size_t at = g == 0 ? 0 : starts[static_cast<std::size_t>(g)];
        list.insert(list.begin() + static_cast<std::ptrdiff_t>(at), nullptr);
        --byes;
    }
}

}  // namespace korva
