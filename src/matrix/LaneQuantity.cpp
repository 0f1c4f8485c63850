#include "matrix/LaneQuantity.h"

#include <algorithm>
#include <array>

#include "matrix/HeatOrder.h"
#include "matrix/MatrixTrace.h"

namespace korva {

namespace {

constexpr int kTableColumns = 12;

// MaxLaneQuan 3, 4, 5 adjusted by LaneQuanFactor 1..12, while the factor is small enough.
constexpr std::array<std::array<int, kTableColumns>, 3> kAdjustedMax = {{
    {3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3},
    {3, 3, 3, 4, 3, 3, 4, 4, 3, 4, 4, 4},
    {1, 2, 3, 4, 5, 3, 4, 4, 5, 5, 4, 4},
}};

int factorLimit(int maxLanes) {
    switch (maxLanes) {
        case 3: return 4;
        case 4: return 9;
        case 5: return 12;
        default: return 0;
    }
}

int adjustedMax(int maxLanes, int factor) {
    if (factor > kTableColumns) return maxLanes;
    return kAdjustedMax[static_cast<std::size_t>(maxLanes - 3)]
                       [static_cast<std::size_t>(factor - 1)];
}

int adjustedActual(int maxLanes, int factor) {
    if (maxLanes == 3) {
        if (factor <= 3) return factor;
        return factor == 4 ? 2 : 3;
    }
    if (factor <= 4) return factor;
    if (factor <= 6) return 3;
    if (factor <= 8) return 4;
    return factor == 9 ? 3 : 4;
}

}  // namespace

int chooseLaneQuantity(const LaneQuantityInput& in, MatrixTrace& trace) {
    const int n = in.readyPilots;
    const int half = n / 2;
    int actual = 0;
    if (in.maxConflicted == half) {
        trace.line("One half pilots on same channel");
        trace.value("MaxLaneQuan=", 3);
        actual = n % 2 == 0 ? 2 : 3;
        trace.value("ActualLaneQuan=", actual);
    } else {
        int maxQuan = in.maxThreeLanes ? 3 : in.maxLanes;
        actual = maxQuan;
        trace.value("Starting MaxLaneQuan=", maxQuan);
        trace.value("Starting ActualLaneQuan=", actual);
        trace.value("MinLaneQuan=", in.minLanes);
        const int factor = in.uniqueChannels < maxQuan ? in.uniqueChannels : n;
        if (in.heatsScored) {
            maxQuan = actual = in.storedLaneQuan;
            trace.value("Heats already scored, MaxLaneQuan=", maxQuan);
            trace.value("Heats already scored, ActualLaneQuan=", actual);
        } else {
            trace.value("LaneQuanFactor=", factor);
            if (factor >= 1 && factor <= factorLimit(maxQuan) && maxQuan > in.minLanes) {
                maxQuan = adjustedMax(maxQuan, factor);
                trace.value("MaxLaneQuan > MinLaneQuan - Adjusted MaxLaneQuan=", maxQuan);
            }
            if (maxQuan >= in.maxLanes) {
                actual = maxQuan;
            } else if ((maxQuan == 3 || maxQuan == 4) && factor >= 1) {
                actual = adjustedActual(maxQuan, factor);
            }
            trace.value("Adjusted ActualLaneQuan=", actual);
        }
    }
    if (in.maxThreeLanes && actual > 3) {
        actual = 3;
        trace.value("Configuration forced ActualLaneQuan=", actual);
    }
    // A heat has four lanes; fewer than two make no race. Only damaged race properties
    // lead outside that range.
    return std::clamp(actual, 2, kMaxLanes);
}

int heatsPerRound(int readyPilots, int lanes, int maxConflicted) {
    const int needed = lanes > 0 ? (readyPilots + lanes - 1) / lanes : readyPilots;
    return std::max(needed, maxConflicted);
}

}  // namespace korva
