#include "matrix/LaneAssignment.h"

#include <algorithm>
#include <cmath>

#include "race/KORVAPilot.h"
#include "ui/CRandom.h"

namespace korva {

namespace {

struct Lane {
    LaneList list;
    int count = 0;
    int affinity = 0;
    int slack = 0;
};

using Lanes = std::array<Lane, kMaxLanes>;

// Channels are drawn at random and each goes to the lane it overfills least.
Lanes dealChannels(const AssignmentInput& in, const std::map<int, LaneList>& byChannel,
                   CRandom& random) {
    Lanes lanes;
    std::vector<int> remaining = in.channels;
    while (!remaining.empty()) {
        const auto pick = static_cast<std::size_t>(random.rand()) % remaining.size();
        const int channel = remaining[pick];
        const int c = in.channelCount.at(channel);
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
        for (const KORVAPilot* p : byChannel.at(channel)) {
            lane.list.push_back(p);
            if (p->lane1Affinity) ++lane.affinity;
        }
        lane.count += c;
        remaining.erase(remaining.begin() + static_cast<std::ptrdiff_t>(pick));
    }
    return lanes;
}

int firstMostAffine(const Lanes& lanes, int count) {
    int best = 0;
    for (int j = 1; j < count; ++j) {
        if (lanes[static_cast<std::size_t>(j)].affinity > lanes[static_cast<std::size_t>(best)].affinity) best = j;
    }
    return best;
}

// Lanes with room go between full ones, so the byes of different lanes sit apart.
void placeRoomyLanes(Lanes& lanes, int count, bool anyAffinity) {
    std::vector<int> full, room;
    for (int j = 0; j < count; ++j) {
        (lanes[static_cast<std::size_t>(j)].slack < 1 ? full : room).push_back(j);
    }
    std::vector<int> order;
    if (count == 3 && room.size() == 1) {
        order = {full[0], room[0], full[1]};
    } else if (count == 4 && room.size() == 1) {
        if (!(room[0] == 0 && anyAffinity)) order = {full[0], full[1], full[2], room[0]};
    } else if (count == 4 && room.size() == 2) {
        if (room[0] == 0 && anyAffinity) {
            order = {room[0], full[0], room[1], full[1]};
        } else {
            order = {full[0], room[0], full[1], room[1]};
        }
    }
    if (order.empty()) return;
    Lanes moved = lanes;
    for (std::size_t j = 0; j < order.size(); ++j) {
        moved[j] = std::move(lanes[static_cast<std::size_t>(order[j])]);
    }
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

// Spread of power over the lanes: pilots per level, low and high levels, power sum.
double powerImbalance(const Lanes& lanes, int count) {
    constexpr int kFigures = 7;
    std::array<std::array<double, kMaxLanes>, kFigures> figures{};
    for (int j = 0; j < count; ++j) {
        const auto lane = static_cast<std::size_t>(j);
        for (const KORVAPilot* p : lanes[lane].list) {
            const int level = p->categoryLevel();
            if (level >= 1 && level <= 4) figures[static_cast<std::size_t>(level - 1)][lane] += 1;
            if (level == 1 || level == 2) figures[4][lane] += 1;
            if (level == 3 || level == 4) figures[5][lane] += 1;
            figures[6][lane] += level;
        }
    }
    double sum = 0;
    for (const auto& figure : figures) sum += sampleDeviation(figure, count);
    return sum;
}

void keep(LaneCandidate& candidate, const Lanes& lanes, int count, int overflow, double score) {
    candidate.score = score;
    candidate.overflow = overflow;
    for (int j = 0; j < kMaxLanes; ++j) {
        const auto lane = static_cast<std::size_t>(j);
        candidate.lists[lane] = j < count ? lanes[lane].list : LaneList{};
        candidate.slack[lane] = j < count ? lanes[lane].slack : 0;
    }
}

}  // namespace

LaneAssignment assignLanes(const AssignmentInput& in, CRandom& random) {
    std::map<int, LaneList> byChannel;
    for (const KORVAPilot* p : in.shuffled) byChannel[p->channel].push_back(p);

    LaneAssignment best;
    const int L = std::clamp(in.lanes, 1, kMaxLanes);
    for (int attempt = 0; attempt < in.attempts; ++attempt) {
        Lanes lanes = dealChannels(in, byChannel, random);
        int fullest = 0;
        for (int j = 0; j < L; ++j) fullest = std::max(fullest, lanes[static_cast<std::size_t>(j)].count);
        const int overflow = std::max(0, fullest - in.heats);
        double grouped = overflow * 1000.0;
        double spread = grouped;

        const int affine = firstMostAffine(lanes, L);
        if (lanes[static_cast<std::size_t>(affine)].affinity > 0 && affine != 0) {
            std::swap(lanes[0].list, lanes[static_cast<std::size_t>(affine)].list);
            std::swap(lanes[0].count, lanes[static_cast<std::size_t>(affine)].count);
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
        if (grouped < best.grouped.score) keep(best.grouped, lanes, L, overflow, grouped);
        if (spread < best.spread.score) keep(best.spread, lanes, L, overflow, spread);
    }
    return best;
}

}  // namespace korva
