#include "matrix/LaneAssignment.h"

#include <algorithm>
#include <cmath>

#include "race/KORVAPilot.h"
#include "ui/CRandom.h"

namespace korva {

namespace {

constexpr int kPowerFigures = 7;
constexpr int kAttemptsPerTick = 100;
using PowerFigures = std::array<double, kPowerFigures>;

// The ready pilots of one channel, who always go to a lane together.
struct ChannelGroup {
    LaneList pilots;  // in shuffled order
    int affinity = 0;
    PowerFigures power{};  // pilots at level 1, 2, 3, 4, at 1 or 2, at 3 or 4, level sum
};

// A lane during an attempt: its channel groups in the order they were dealt. Lanes are
// reused from attempt to attempt, so an attempt allocates nothing.
struct Lane {
    std::vector<int> groups;
    int count = 0;
    int affinity = 0;
    int slack = 0;
    PowerFigures power{};
};

using Lanes = std::array<Lane, kMaxLanes>;

std::vector<ChannelGroup> groupByChannel(const AssignmentInput& in) {
    std::vector<ChannelGroup> groups(in.channels.size());
    for (const KORVAPilot* p : in.shuffled) {
        const auto it = std::lower_bound(in.channels.begin(), in.channels.end(), p->channel);
        ChannelGroup& g = groups[static_cast<std::size_t>(it - in.channels.begin())];
        g.pilots.push_back(p);
        if (p->lane1Affinity) ++g.affinity;
        const int level = p->categoryLevel();
        if (level >= 1) g.power[static_cast<std::size_t>(level - 1)] += 1;
        if (level == 1 || level == 2) g.power[4] += 1;
        if (level == 3 || level == 4) g.power[5] += 1;
        g.power[6] += level;
    }
    return groups;
}

// Channels are drawn at random and each goes to the lane it overfills least.
void dealChannels(const AssignmentInput& in, const std::vector<ChannelGroup>& groups,
                  std::vector<int>& remaining, Lanes& lanes, CRandom& random) {
    for (Lane& lane : lanes) {
        lane.groups.clear();
        lane.count = lane.affinity = lane.slack = 0;
        lane.power.fill(0);
    }
    remaining.resize(groups.size());
    for (std::size_t i = 0; i < remaining.size(); ++i) remaining[i] = static_cast<int>(i);
    while (!remaining.empty()) {
        const auto pick = static_cast<std::size_t>(random.rand()) % remaining.size();
        const ChannelGroup& group = groups[static_cast<std::size_t>(remaining[pick])];
        const int c = static_cast<int>(group.pilots.size());
        int chosen = 0;
        int chosenExcess = 0;
        for (int j = 0; j < in.lanes; ++j) {
            const int excess = std::max(0, c + lanes[static_cast<std::size_t>(j)].count - in.heats);
            if (j == 0 || excess < chosenExcess) {
                chosen = j;
                chosenExcess = excess;
            } else if (excess == chosenExcess && random.rand() % 2 == 1) {
                chosen = j;
            }
        }
        Lane& lane = lanes[static_cast<std::size_t>(chosen)];
        lane.groups.push_back(remaining[pick]);
        lane.count += c;
        lane.affinity += group.affinity;
        for (std::size_t f = 0; f < lane.power.size(); ++f) lane.power[f] += group.power[f];
        remaining.erase(remaining.begin() + static_cast<std::ptrdiff_t>(pick));
    }
}

int firstMostAffine(const Lanes& lanes, int count) {
    int best = 0;
    for (int j = 1; j < count; ++j) {
        if (lanes[static_cast<std::size_t>(j)].affinity >
            lanes[static_cast<std::size_t>(best)].affinity)
            best = j;
    }
    return best;
}

// Lanes with room go between full ones, so the byes of different lanes sit apart.
void placeRoomyLanes(Lanes& lanes, int count, bool anyAffinity) {
    std::array<int, kMaxLanes> full{}, room{};
    std::size_t fulls = 0, rooms = 0;
    for (int j = 0; j < count; ++j) {
        if (lanes[static_cast<std::size_t>(j)].slack < 1) {
            full[fulls++] = j;
        } else {
            room[rooms++] = j;
        }
    }
    std::array<int, kMaxLanes> order{};
    if (count == 3 && rooms == 1) {
        order = {full[0], room[0], full[1], 3};
    } else if (count == 4 && rooms == 1 && !(room[0] == 0 && anyAffinity)) {
        order = {full[0], full[1], full[2], room[0]};
    } else if (count == 4 && rooms == 2) {
        order = room[0] == 0 && anyAffinity
                    ? std::array<int, kMaxLanes>{room[0], full[0], room[1], full[1]}
                    : std::array<int, kMaxLanes>{full[0], room[0], full[1], room[1]};
    } else {
        return;
    }
    Lanes moved;
    for (std::size_t j = 0; j < kMaxLanes; ++j)
        moved[j] = std::move(lanes[static_cast<std::size_t>(order[j])]);
    lanes = std::move(moved);
}

double sampleDeviation(const std::array<double, kMaxLanes>& values, int count) {
    double mean = 0;
    for (int j = 0; j < count; ++j) mean += values[static_cast<std::size_t>(j)];
    mean /= count;
    double squares = 0;
    for (int j = 0; j < count; ++j) {
        const double d = values[static_cast<std::size_t>(j)] - mean;
        squares += d * d;
    }
    return std::sqrt(squares / (count - 1));
}

// Spread of power over the lanes: the sample deviation of each figure, summed.
double powerImbalance(const Lanes& lanes, int count) {
    double sum = 0;
    for (std::size_t f = 0; f < kPowerFigures; ++f) {
        std::array<double, kMaxLanes> values{};
        for (int j = 0; j < count; ++j)
            values[static_cast<std::size_t>(j)] = lanes[static_cast<std::size_t>(j)].power[f];
        sum += sampleDeviation(values, count);
    }
    return sum;
}

void keep(LaneCandidate& candidate, const Lanes& lanes, const std::vector<ChannelGroup>& groups,
          int count, int overflow, double score) {
    candidate.score = score;
    candidate.overflow = overflow;
    for (int j = 0; j < kMaxLanes; ++j) {
        const auto lane = static_cast<std::size_t>(j);
        LaneList& list = candidate.lists[lane];
        list.clear();
        candidate.slack[lane] = 0;
        if (j >= count) continue;
        for (int g : lanes[lane].groups) {
            const LaneList& pilots = groups[static_cast<std::size_t>(g)].pilots;
            list.insert(list.end(), pilots.begin(), pilots.end());
        }
        candidate.slack[lane] = lanes[lane].slack;
    }
}

}  // namespace

LaneAssignment assignLanes(const AssignmentInput& in, CRandom& random) {
    const std::vector<ChannelGroup> groups = groupByChannel(in);
    LaneAssignment best;
    const int L = std::clamp(in.lanes, 1, kMaxLanes);
    Lanes lanes;
    std::vector<int> remaining;
    remaining.reserve(groups.size());
    for (int attempt = 0; attempt < in.attempts; ++attempt) {
        if (attempt % kAttemptsPerTick == 0) tickProgress(in.tick);
        dealChannels(in, groups, remaining, lanes, random);
        int fullest = 0;
        for (int j = 0; j < L; ++j)
            fullest = std::max(fullest, lanes[static_cast<std::size_t>(j)].count);
        const int overflow = std::max(0, fullest - in.heats);
        double grouped = overflow * 1000.0;
        double spread = grouped;

        // The lane with the most lane-1 pilots becomes lane 1; its affinity count stays.
        const int affine = firstMostAffine(lanes, L);
        if (lanes[static_cast<std::size_t>(affine)].affinity > 0 && affine != 0) {
            Lane& other = lanes[static_cast<std::size_t>(affine)];
            std::swap(lanes[0].groups, other.groups);
            std::swap(lanes[0].count, other.count);
            std::swap(lanes[0].power, other.power);
        }
        int room = 0;
        for (int j = 0; j < L; ++j) {
            Lane& lane = lanes[static_cast<std::size_t>(j)];
            lane.slack = overflow + in.heats - lane.count;
            if (lane.slack >= 1) ++room;
        }
        grouped += room * 100;
        spread += (4 - room) * 100;
        placeRoomyLanes(lanes, L, in.anyLane1Affinity);
        const int affinityBonus = 10 * firstMostAffine(lanes, L);
        grouped += affinityBonus;
        spread += affinityBonus;
        if (in.powerBalancing && L >= 2) {
            const double imbalance = powerImbalance(lanes, L);
            grouped += imbalance;
            spread += imbalance;
        }
        if (grouped < best.grouped.score) keep(best.grouped, lanes, groups, L, overflow, grouped);
        if (spread < best.spread.score) keep(best.spread, lanes, groups, L, overflow, spread);
    }
    return best;
}

}  // namespace korva
