#include "matrix/HeatOrderTables.h"

#include <array>

namespace korva {

namespace {

using Row = std::array<int, 4>;

// Lanes 2 to 4 for rounds 1 to 16; lane 1 always flies 0,1,2,3.
constexpr std::array<std::array<Row, 3>, 16> kFourHeat = {{
    {{{0, 1, 2, 3}, {0, 1, 2, 3}, {0, 1, 2, 3}}},
    {{{2, 3, 0, 1}, {3, 2, 1, 0}, {1, 0, 3, 2}}},
    {{{1, 0, 3, 2}, {2, 3, 0, 1}, {3, 2, 1, 0}}},
    {{{3, 2, 1, 0}, {1, 0, 3, 2}, {2, 3, 0, 1}}},
    {{{0, 1, 2, 3}, {3, 0, 1, 2}, {3, 0, 1, 2}}},
    {{{2, 3, 0, 1}, {2, 1, 0, 3}, {0, 3, 2, 1}}},
    {{{1, 0, 3, 2}, {1, 2, 3, 0}, {2, 1, 0, 3}}},
    {{{3, 2, 1, 0}, {0, 3, 2, 1}, {1, 2, 3, 0}}},
    {{{0, 1, 2, 3}, {2, 3, 0, 1}, {2, 3, 0, 1}}},
    {{{2, 3, 0, 1}, {1, 0, 3, 2}, {3, 2, 1, 0}}},
    {{{1, 0, 3, 2}, {0, 1, 2, 3}, {1, 0, 3, 2}}},
    {{{3, 2, 1, 0}, {3, 2, 1, 0}, {0, 1, 2, 3}}},
    {{{0, 1, 2, 3}, {1, 2, 3, 0}, {1, 2, 3, 0}}},
    {{{2, 3, 0, 1}, {0, 3, 2, 1}, {2, 1, 0, 3}}},
    {{{1, 0, 3, 2}, {3, 0, 1, 2}, {0, 3, 2, 1}}},
    {{{3, 2, 1, 0}, {2, 1, 0, 3}, {3, 0, 1, 2}}},
}};

struct RollTable {
    int heats;
    int limit;  // rounds 2 .. limit-1 are covered
    std::array<std::pair<int, int>, 10> rolls;
};

constexpr std::array<RollTable, 5> kRollTables = {{
    {6, 6, {{{2, 3}, {3, 4}, {2, 3}, {2, 4}}}},
    {8, 8, {{{2, 4}, {2, 5}, {2, 4}, {3, 5}, {2, 4}, {2, 5}}}},
    {9, 8, {{{2, 3}, {2, 3}, {2, 4}, {2, 4}, {2, 3}, {2, 3}}}},
    {10, 10, {{{4, 5}, {3, 4}, {2, 3}, {3, 4}, {4, 5}, {2, 3}, {3, 4}, {4, 5}}}},
    {12, 12, {{{2, 3}, {2, 3}, {6, 3}, {3, 2}, {8, 3}, {2, 3}, {6, 3}, {2, 8}, {8, 3}, {3, 6}}}},
}};

}  // namespace

HeatOrder fourHeatOrder(int lanes, int round) {
    constexpr int kHeats = 4;
    HeatOrder order = identityOrder(lanes, kHeats);
    const auto entry = static_cast<std::size_t>(((round - 1) % 16 + 16) % 16);
    for (int l = 1; l < lanes && l < kMaxLanes; ++l) {
        const Row& row = kFourHeat[entry][static_cast<std::size_t>(l - 1)];
        order[static_cast<std::size_t>(l)].assign(row.begin(), row.end());
    }
    return order;
}

std::optional<std::pair<int, int>> tableRolls(int heats, int round) {
    for (const RollTable& t : kRollTables) {
        if (t.heats == heats && round >= 2 && round < t.limit) {
            return t.rolls[static_cast<std::size_t>(round - 2)];
        }
    }
    return std::nullopt;
}

}  // namespace korva
