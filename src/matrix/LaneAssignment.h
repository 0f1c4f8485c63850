#pragma once
// Puts every channel's ready pilots into one lane, so pilots on one channel never meet,
// trying many random assignments and keeping the best two: one for byes kept together
// in a lane, one for byes spread over the lanes.

#include <map>
#include <vector>

#include "matrix/LaneLists.h"
#include "matrix/ProgressTick.h"

namespace korva {

class CRandom;

struct LaneCandidate {
    LaneLists lists;
    LaneSlack slack{};
    int overflow = 0;  // pilots of the fullest lane beyond the heats per round
    double score = 1e9;
};

struct LaneAssignment {
    LaneCandidate grouped;
    LaneCandidate spread;
};

struct AssignmentInput {
    std::vector<const KORVAPilot*> shuffled;  // ready pilots in shuffled order
    std::vector<int> channels;                // channels in use, ascending
    std::map<int, int> channelCount;
    int lanes = 0;
    int heats = 0;
    int attempts = 1000;
    bool powerBalancing = false;
    bool anyLane1Affinity = false;
    ProgressTick tick;
};

LaneAssignment assignLanes(const AssignmentInput& in, CRandom& random);

}  // namespace korva
