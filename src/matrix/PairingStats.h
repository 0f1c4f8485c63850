#pragma once
// How often the slots of a bracket have flown together: pairs, their last round together,
// and triples. A slot is a lane and a position in that lane's list (lane x heats + position).
// Sized from the field, so any number of heats fits.

#include <cstdint>
#include <vector>

#include "matrix/HeatOrder.h"

namespace korva {

// Counts are reported as they stand in the trace log: pairs and triples both ways round
// (an ordered pair or triple per entry), and zero pairs as in a 128 x 128 table.
inline constexpr std::int64_t kTracedPairTable = 128 * 128;

// What committing one round changed.
struct RoundPairing {
    int pairDelt = 999;              // fewest rounds since a pair of this round last met
    std::int64_t newMaxPairs = 0;    // pairs now one above the previous most (BestCCMC)
    std::int64_t atMaxPairs = 0;     // pairs now at the previous most (BestCCMC2)
    std::int64_t newMaxTriples = 0;  // triples now one above the previous most (BestTCMC)
};

class PairingStats {
public:
    PairingStats(int lanes, int heats);

    int lanes() const { return lanes_; }
    int heats() const { return heats_; }
    int slots() const { return lanes_ * heats_; }
    int slot(int lane, int position) const { return lane * heats_ + position; }

    int pairCount(int a, int b) const { return pairs_[index(a, b)]; }
    int lastMet(int a, int b) const { return lastMet_[index(a, b)]; }
    // Slots of three different lanes, in any order.
    int tripleCount(int a, int b, int c) const { return triples_[tripleIndex(a, b, c)]; }

    int maxPairCount() const { return maxPairCount_; }
    int maxTripCount() const { return maxTripCount_; }
    // Ordered pair entries at `count` (zero as in the traced 128 x 128 table).
    std::int64_t pairsAt(int count) const;
    // Ordered triple entries at `count` (only triples that have flown are entries).
    std::int64_t triplesAt(int count) const;
    // Ordered slot pairs in different lanes that have never met, as the trace log counts them.
    std::int64_t zeroPairings() const;

    // Adds the meetings of a round flown in `order` as round number `round`.
    RoundPairing commit(const HeatOrder& order, int round);

    // Per lane, the pair counts of its position 0 against every slot.
    std::vector<std::vector<int>> positionZeroSnapshot() const;

private:
    std::size_t index(int a, int b) const {
        return static_cast<std::size_t>(a) * static_cast<std::size_t>(slots()) +
               static_cast<std::size_t>(b);
    }
    std::size_t tripleIndex(int a, int b, int c) const;
    static void bump(std::vector<std::int64_t>& histogram, int from, std::int64_t entries);

    int lanes_;
    int heats_;
    std::vector<int> pairs_;
    std::vector<int> lastMet_;
    std::vector<int> triples_;                   // one entry per unordered triple, by lane trio
    std::vector<std::int64_t> pairHistogram_;    // ordered entries by count, count >= 1
    std::vector<std::int64_t> tripleHistogram_;  // ordered entries by count, count >= 1
    std::int64_t nonzeroPairs_ = 0;
    int maxPairCount_ = 0;
    int maxTripCount_ = 0;
};

}  // namespace korva
