#pragma once
// Standings set by hand, by pilot number, for the tests of what the lists show.

#include <array>
#include <map>

#include "race/Classes.h"
#include "race/KORVAPilot.h"
#include "race/StandingsSource.h"

namespace korva::test {

struct HandStandings final : StandingsSource {
    std::map<std::int32_t, std::int32_t> totals;
    std::map<std::int32_t, BestTime> best;
    std::array<std::int32_t, kBracketCount> fastest{};

    std::int32_t total(const KORVAPilot& p) const override {
        const auto it = totals.find(p.pilotNumber);
        return it == totals.end() ? 0 : it->second;
    }
    BestTime bestTime(const KORVAPilot& p) const override {
        const auto it = best.find(p.pilotNumber);
        return it == best.end() ? BestTime{} : it->second;
    }
    std::int32_t fastestOfBracket(int b) const override {
        return b < 0 ? 0 : fastest[static_cast<std::size_t>(b)];
    }
};

}  // namespace korva::test
