#pragma once
// Heat order of one round: for every lane, which position of that lane's list flies in
// which heat. order[lane][heat] is a position; every lane's row is a permutation.

#include <algorithm>
#include <array>
#include <vector>

namespace korva {

inline constexpr int kMaxLanes = 4;

using HeatOrder = std::array<std::vector<int>, kMaxLanes>;

// Every lane flies its positions in list order.
inline HeatOrder identityOrder(int lanes, int heats) {
    HeatOrder order;
    for (int l = 0; l < lanes && l < kMaxLanes; ++l) {
        auto& row = order[static_cast<std::size_t>(l)];
        row.resize(static_cast<std::size_t>(heats));
        for (int h = 0; h < heats; ++h) row[static_cast<std::size_t>(h)] = h;
    }
    return order;
}

// The position of heat h+1 now flies in heat h; the position of the first heat goes last.
inline void rollLane(HeatOrder& order, int lane, int times = 1) {
    auto& row = order[static_cast<std::size_t>(lane)];
    if (row.size() < 2) return;
    const auto shift = static_cast<std::ptrdiff_t>(static_cast<std::size_t>(times) % row.size());
    std::rotate(row.begin(), row.begin() + shift, row.end());
}

}  // namespace korva
