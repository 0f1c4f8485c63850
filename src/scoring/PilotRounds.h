#pragma once
// Every pilot's result in each completed round of a bracket, with the rounds an FAI race
// discards marked: the breakdown behind a pilot's total.

#include <cstdint>
#include <vector>

namespace korva {

class KORVAPilot;
class KORVARaceDoc;

struct RoundResult {
    bool flew = false;       // the pilot held a lane in the round
    std::int32_t value = 0;  // points, or the FAI score
    std::int32_t time = 0;   // hundredths, of the first heat holding the pilot
    bool cut = false;        // that lane had cuts or infringements
    bool discarded = false;  // one of the worst rounds an FAI race drops
};

class BracketRounds {
public:
    // Reads the completed rounds of the bracket's matrix in order.
    BracketRounds(const KORVARaceDoc& doc, int bracket);

    // Round numbers of the completed rounds, in matrix order.
    const std::vector<int>& roundNumbers() const { return roundNumbers_; }
    // One entry per completed round; empty for a pilot of another bracket.
    std::vector<RoundResult> of(const KORVAPilot& pilot) const;
    // The sum of the rounds kept; 0 for a disqualified pilot.
    std::int32_t total(const KORVAPilot& pilot) const;

private:
    int bracket_;
    bool fai_;
    std::vector<int> roundNumbers_;
    std::vector<std::vector<RoundResult>> byNumber_;  // indexed by pilot number
};

}  // namespace korva
