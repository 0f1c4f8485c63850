#pragma once
// One heat: up to four lanes, each with a pilot and that pilot's result.

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "race/KORVAHeatTime.h"
#include "ui/Clock.h"

namespace korva {

class Archive;
class KORVAPilot;
class KORVARound;

using PilotArray = std::vector<std::unique_ptr<KORVAPilot>>;

// Finds the pilot carrying a number, or nullptr; supplied by the race document.
class PilotLookup {
public:
    virtual ~PilotLookup() = default;
    virtual const KORVAPilot* pilotByNumber(std::int32_t number) const = 0;
};

class KORVAHeat {
public:
    static constexpr int kLanes = 4;

    std::array<std::int32_t, kLanes> lanePilot{};
    std::array<KORVAHeatTime, kLanes> laneTime{};
    std::array<std::int32_t, kLanes> laneCuts{};
    std::array<std::int32_t, kLanes> lanePoints{};
    std::array<std::int32_t, kLanes> laneFinish{};
    std::array<std::int32_t, kLanes> laneStarted{1, 1, 1, 1};
    std::array<std::int32_t, kLanes> laneFinished{1, 1, 1, 1};
    std::array<std::int32_t, kLanes> laneExtra{};
    std::int32_t heatNumber = 0;
    std::int32_t heatExtra = 0;
    Timestamp complete = 0;
    Timestamp modifiedAt = 0;
    KORVARound* round = nullptr;  // back reference, owns nothing
    std::int32_t recordVersion = 100;

    KORVAHeat() = default;
    explicit KORVAHeat(Timestamp now) : modifiedAt(now) {}

    int laneOfPilot(std::int32_t pilot) const;  // -1 when absent
    bool containsPilot(std::int32_t pilot) const { return pilot != 0 && laneOfPilot(pilot) >= 0; }
    std::int32_t pointsOf(std::int32_t pilot) const;
    bool timeOf(std::int32_t pilot, KORVAHeatTime& out) const;
    bool hasCuts(std::int32_t pilot) const;
    bool isComplete() const { return complete != 0; }
    int occupiedLanes() const;

    // Lowest penalised time of the timed lanes (20000 when none); true when it had cuts.
    bool lowTime(KORVAHeatTime& out) const;
    // Lowers `time` to the smallest non-zero raw time of an occupied lane.
    void lowestRawTime(KORVAHeatTime& time) const;

    void removePilot(std::int32_t pilot, Timestamp now);
    void swapPilots(std::int32_t a, std::int32_t b);
    int swapWouldConflict(std::int32_t a, std::int32_t b, const PilotLookup& pilots, Timestamp now);
    bool channelConflict(std::int32_t pilot, std::int32_t channel,
                         const PilotLookup& pilots) const;
    // Whether two pilots of the heat share a channel below 100.
    bool anyChannelConflict(const PilotLookup& pilots) const;
    void clearResults(Timestamp now);
    void clearAll(Timestamp now);
    void rotateLanes(int count, int lanes, Timestamp now);
    void touch(Timestamp now) { modifiedAt = now; }
    void touchIfContains(std::int32_t pilot, Timestamp now);

    void Serialize(Archive& ar);
};

}  // namespace korva
