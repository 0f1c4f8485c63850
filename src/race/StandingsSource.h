#pragma once
// What the lists need from the standings: a pilot's total and best time, and the fastest
// time of a bracket. Scoring supplies the real values; a race without results has zeros.

#include <cstdint>

namespace korva {

class KORVAPilot;

// A best time in hundredths (in an FAI race the lowest round score), with its cut flag.
struct BestTime {
    std::int32_t total = 0;
    bool cut = false;
};

class StandingsSource {
public:
    virtual ~StandingsSource() = default;
    virtual std::int32_t total(const KORVAPilot& pilot) const = 0;
    virtual BestTime bestTime(const KORVAPilot& pilot) const = 0;
    virtual std::int32_t fastestOfBracket(int bracket) const = 0;
};

// The standings of a race in which no heat has results yet.
class ZeroStandings final : public StandingsSource {
public:
    std::int32_t total(const KORVAPilot&) const override { return 0; }
    BestTime bestTime(const KORVAPilot&) const override { return {}; }
    std::int32_t fastestOfBracket(int) const override { return 0; }
};

}  // namespace korva
