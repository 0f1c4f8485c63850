#include "matrix/PairingStats.h"

#include <algorithm>

namespace korva {

namespace {

constexpr int kOrderedPerPair = 2;
constexpr int kOrderedPerTriple = 6;

// Index of the lane trio a < b < c among the trios of four lanes.
int trioOf(int a, int b, int c) {
    if (a == 0) return b == 1 ? (c == 2 ? 0 : 1) : 2;
    return 3;
}

}  // namespace

PairingStats::PairingStats(int lanes, int heats)
    : lanes_(std::clamp(lanes, 0, kMaxLanes)), heats_(std::max(heats, 0)) {
    const auto n = static_cast<std::size_t>(slots());
    pairs_.assign(n * n, 0);
    lastMet_.assign(n * n, 0);
    const auto h = static_cast<std::size_t>(heats_);
    triples_.assign(lanes_ >= 3 ? 4 * h * h * h : 0, 0);
    pairHistogram_.assign(2, 0);
    tripleHistogram_.assign(2, 0);
}

std::size_t PairingStats::tripleIndex(int a, int b, int c) const {
    if (a > b) std::swap(a, b);
    if (b > c) std::swap(b, c);
    if (a > b) std::swap(a, b);
    const auto h = static_cast<std::size_t>(heats_);
    const auto trio = static_cast<std::size_t>(trioOf(a / heats_, b / heats_, c / heats_));
    return ((trio * h + static_cast<std::size_t>(a % heats_)) * h +
            static_cast<std::size_t>(b % heats_)) *
               h +
           static_cast<std::size_t>(c % heats_);
}

std::int64_t PairingStats::pairsAt(int count) const {
    if (count == 0) return kTracedPairTable - nonzeroPairs_;
    if (count < 0 || static_cast<std::size_t>(count) >= pairHistogram_.size()) return 0;
    return pairHistogram_[static_cast<std::size_t>(count)];
}

std::int64_t PairingStats::triplesAt(int count) const {
    if (count <= 0 || static_cast<std::size_t>(count) >= tripleHistogram_.size()) return 0;
    return tripleHistogram_[static_cast<std::size_t>(count)];
}

std::int64_t PairingStats::zeroPairings() const {
    const auto h = static_cast<std::int64_t>(heats_);
    return h * h * (lanes_ - 2) * 6 - nonzeroPairs_;
}

void PairingStats::bump(std::vector<std::int64_t>& histogram, int from, std::int64_t entries) {
    const auto to = static_cast<std::size_t>(from + 1);
    if (histogram.size() <= to) histogram.resize(to + 1, 0);
    if (from > 0) histogram[static_cast<std::size_t>(from)] -= entries;
    histogram[to] += entries;
}

RoundPairing PairingStats::commit(const HeatOrder& order, int round) {
    RoundPairing result;
    const int previousMaxPairs = maxPairCount_;
    const int previousMaxTriples = maxTripCount_;
    std::array<int, kMaxLanes> slot{};
    for (int h = 0; h < heats_; ++h) {
        for (int l = 0; l < lanes_; ++l) {
            const auto& row = order[static_cast<std::size_t>(l)];
            slot[static_cast<std::size_t>(l)] = this->slot(l, row[static_cast<std::size_t>(h)]);
        }
        for (int l = 0; l < lanes_; ++l) {
            for (int m = l + 1; m < lanes_; ++m) {
                const int a = slot[static_cast<std::size_t>(l)];
                const int b = slot[static_cast<std::size_t>(m)];
                const int before = pairs_[index(a, b)];
                result.pairDelt = std::min(result.pairDelt, round - lastMet_[index(a, b)]);
                pairs_[index(a, b)] = pairs_[index(b, a)] = before + 1;
                lastMet_[index(a, b)] = lastMet_[index(b, a)] = round;
                if (before == 0) nonzeroPairs_ += kOrderedPerPair;
                bump(pairHistogram_, before, kOrderedPerPair);
                for (int k = m + 1; k < lanes_; ++k) {
                    int& t = triples_[tripleIndex(a, b, slot[static_cast<std::size_t>(k)])];
                    bump(tripleHistogram_, t, kOrderedPerTriple);
                    ++t;
                }
            }
        }
    }
    result.newMaxPairs = pairsAt(previousMaxPairs + 1);
    result.atMaxPairs = pairsAt(previousMaxPairs);
    result.newMaxTriples = triplesAt(previousMaxTriples + 1);
    if (pairsAt(previousMaxPairs + 1) > 0) maxPairCount_ = previousMaxPairs + 1;
    if (triplesAt(previousMaxTriples + 1) > 0) maxTripCount_ = previousMaxTriples + 1;
    return result;
}

std::vector<std::vector<int>> PairingStats::positionZeroSnapshot() const {
    std::vector<std::vector<int>> snapshot(static_cast<std::size_t>(lanes_));
    for (int l = 0; l < lanes_; ++l) {
        auto& row = snapshot[static_cast<std::size_t>(l)];
        row.resize(static_cast<std::size_t>(slots()));
        for (int s = 0; s < slots(); ++s)
            row[static_cast<std::size_t>(s)] = pairCount(slot(l, 0), s);
    }
    return snapshot;
}

}  // namespace korva
