#pragma once
// One round of a bracket's matrix: its heats in heat order.

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

#include "race/KORVAHeat.h"

namespace korva {

class KORVAMatrix;

// The number of elements of a list as a stored count; one below the largest count, so that
// the number of the next element still fits.
template <typename List>
std::int32_t countOf(const List& list) {
    constexpr auto kMost = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max() - 1);
    return static_cast<std::int32_t>(std::min(list.size(), kMost));
}

class KORVARound {
public:
    std::vector<std::unique_ptr<KORVAHeat>> heats;
    std::int32_t heatCount = 0;
    std::int32_t roundValue1 = 0;
    std::int32_t roundValue2 = 0;  // the round's number within its matrix
    Timestamp roundValue3 = 0;     // when matrix generation last wrote its lanes
    std::int32_t roundValue4 = 0;
    std::int32_t roundValue5 = 0;  // lanes per heat
    KORVAMatrix* matrix = nullptr;  // back reference, owns nothing
    std::int32_t recordVersion = 100;

    std::int32_t number() const { return roundValue2; }
    std::int32_t laneQuantity() const { return roundValue5; }

    // Numbers the heat, touches it and appends it; returns it.
    KORVAHeat& addHeat(std::unique_ptr<KORVAHeat> heat, Timestamp now);
    KORVAHeat* firstHeat() const { return heatAt(0); }
    KORVAHeat* heatAt(int index) const;
    void removeLastHeat();

    int heatIndexOf(std::int32_t pilot) const;
    int laneOf(std::int32_t pilot) const;
    bool allComplete() const;
    bool anyComplete() const;

    void clearAllHeats(Timestamp now);
    void reset(Timestamp now);
    void swapPilots(std::int32_t a, std::int32_t b);
    void touchHeatsOf(std::int32_t pilot, Timestamp now);
    int firstSwapConflict(std::int32_t a, std::int32_t b, const PilotLookup& pilots,
                          Timestamp now);
    bool channelConflictInOpenHeats(std::int32_t pilot, std::int32_t channel,
                                    const PilotLookup& pilots) const;

    void Serialize(Archive& ar);
};

}  // namespace korva
