#include "race/KORVAHeat.h"

#include <algorithm>

#include "race/Archive.h"
#include "race/Classes.h"
#include "race/KORVAPilot.h"

namespace korva {

namespace {
constexpr std::int32_t kNoTime = 20000;
}

int KORVAHeat::laneOfPilot(std::int32_t pilot) const {
    for (int l = 0; l < kLanes; ++l) {
        if (lanePilot[static_cast<std::size_t>(l)] == pilot) return l;
    }
    return -1;
}

std::int32_t KORVAHeat::pointsOf(std::int32_t pilot) const {
    const int l = laneOfPilot(pilot);
    return l < 0 ? 0 : lanePoints[static_cast<std::size_t>(l)];
}

bool KORVAHeat::timeOf(std::int32_t pilot, KORVAHeatTime& out) const {
    const int l = laneOfPilot(pilot);
    if (l < 0) return false;
    out = laneTime[static_cast<std::size_t>(l)];
    return true;
}

bool KORVAHeat::hasCuts(std::int32_t pilot) const {
    const int l = laneOfPilot(pilot);
    return l >= 0 && laneCuts[static_cast<std::size_t>(l)] >= 1;
}

int KORVAHeat::occupiedLanes() const {
    return static_cast<int>(std::count_if(lanePilot.begin(), lanePilot.end(),
                                          [](std::int32_t p) { return p != 0; }));
}

bool KORVAHeat::lowTime(KORVAHeatTime& out) const {
    std::int32_t best = kNoTime;
    bool bestCuts = false;
    for (std::size_t l = 0; l < kLanes; ++l) {
        if (lanePilot[l] == 0 || laneTime[l].totalHundredths == 0) continue;
        const std::int32_t t = faiScore(laneTime[l].totalHundredths, laneCuts[l]);
        if (t < best) {
            best = t;
            bestCuts = laneCuts[l] != 0;
        }
    }
    out.setTotal(best);
    return bestCuts;
}

void KORVAHeat::lowestRawTime(KORVAHeatTime& time) const {
    for (std::size_t l = 0; l < kLanes; ++l) {
        const std::int32_t t = laneTime[l].totalHundredths;
        if (lanePilot[l] == 0 || t == 0) continue;
        if (time.totalHundredths == 0 || t < time.totalHundredths) time = laneTime[l];
    }
}

void KORVAHeat::removePilot(std::int32_t pilot, Timestamp now) {
    const int l = laneOfPilot(pilot);
    if (l >= 0) lanePilot[static_cast<std::size_t>(l)] = 0;
    touch(now);
}

void KORVAHeat::swapPilots(std::int32_t a, std::int32_t b) {
    for (std::int32_t& p : lanePilot) {
        if (p == a) {
            p = b;
        } else if (p == b) {
            p = a;
        }
    }
}

int KORVAHeat::swapWouldConflict(std::int32_t a, std::int32_t b, const PilotLookup& pilots,
                                 Timestamp now) {
    if (!containsPilot(a) && !containsPilot(b)) return 0;
    const KORVAPilot* pa = pilots.pilotByNumber(a);
    const KORVAPilot* pb = pilots.pilotByNumber(b);
    const int chanA = pa ? pa->channel : -1;
    const int chanB = pb ? pb->channel : -1;
    auto otherOnChannel = [&](std::int32_t self, int chan) {
        if (chan < 0 || chan >= kPseudoChannel) return false;
        for (std::int32_t p : lanePilot) {
            if (p == 0 || p == self) continue;
            const KORVAPilot* other = pilots.pilotByNumber(p);
            if (other && other->channel == chan) return true;
        }
        return false;
    };
    int result = 0;
    if (chanA != chanB && (otherOnChannel(a, chanA) || otherOnChannel(b, chanB))) result = 1;
    for (std::int32_t& p : lanePilot) {
        if (p == a) {
            p = b;
            touch(now);
        } else if (p == b) {
            p = a;
            touch(now);
        }
    }
    return result;
}

bool KORVAHeat::channelConflict(std::int32_t pilot, std::int32_t channel,
                                const PilotLookup& pilots) const {
    if (channel >= kPseudoChannel || !containsPilot(pilot)) return false;
    for (std::int32_t p : lanePilot) {
        if (p == 0 || p == pilot) continue;
        const KORVAPilot* other = pilots.pilotByNumber(p);
        if (other && other->channel == channel) return true;
    }
    return false;
}

bool KORVAHeat::anyChannelConflict(const PilotLookup& pilots) const {
    return std::any_of(lanePilot.begin(), lanePilot.end(), [&](std::int32_t p) {
        const KORVAPilot* pilot = p == 0 ? nullptr : pilots.pilotByNumber(p);
        return pilot && channelConflict(p, pilot->channel, pilots);
    });
}

void KORVAHeat::clearResults(Timestamp now) {
    for (std::size_t l = 0; l < kLanes; ++l) {
        laneTime[l].setTotal(0);
        laneCuts[l] = 0;
        laneFinish[l] = 0;
        lanePoints[l] = 0;
        laneExtra[l] = 0;
        laneStarted[l] = 1;
        laneFinished[l] = 1;
    }
    complete = 0;
    touch(now);
}

void KORVAHeat::clearAll(Timestamp now) {
    clearResults(now);
    lanePilot.fill(0);
}

void KORVAHeat::rotateLanes(int count, int lanes, Timestamp now) {
    lanes = std::clamp(lanes, 0, kLanes);
    if (lanes > 1) {
        for (int i = 0; i < count; ++i) {
            std::rotate(lanePilot.begin(), lanePilot.begin() + 1, lanePilot.begin() + lanes);
        }
    }
    touch(now);
}

void KORVAHeat::touchIfContains(std::int32_t pilot, Timestamp now) {
    if (containsPilot(pilot)) touch(now);
}

void KORVAHeat::Serialize(Archive& ar) {
    if (ar.isStoring()) {
        for (std::size_t l = 0; l < kLanes; ++l) {
            ar.writeInt(lanePilot[l]);
            laneTime[l].Serialize(ar);
            for (std::int32_t v : {laneCuts[l], lanePoints[l], laneFinish[l], laneStarted[l],
                                   laneFinished[l], laneExtra[l]}) {
                ar.writeInt(v);
            }
        }
        for (std::int32_t v : {kLanes, heatNumber, kLanes, heatExtra, complete}) ar.writeInt(v);
        ar.writeSpare(80);
        ar.writeInt(recordVersion);
        ar.writeInt(modifiedAt);
        return;
    }
    for (std::size_t l = 0; l < kLanes; ++l) {
        lanePilot[l] = ar.readInt();
        laneTime[l].Serialize(ar);
        for (std::int32_t* v : {&laneCuts[l], &lanePoints[l], &laneFinish[l], &laneStarted[l],
                                &laneFinished[l], &laneExtra[l]}) {
            *v = ar.readInt();
        }
    }
    ar.readInt();  // lane count, always 4
    heatNumber = ar.readInt();
    ar.readInt();
    heatExtra = ar.readInt();
    complete = ar.readInt();
    ar.readSpare(80);
    recordVersion = ar.readInt();
    if (recordVersion == 0) {
        ar.skipInts(79 + 80 + 80);
        ar.skipDoubles(80);
        ar.skipInts(80);
        recordVersion = 100;
        modifiedAt = 0;
    } else {
        modifiedAt = ar.readInt();
    }
}

}  // namespace korva
