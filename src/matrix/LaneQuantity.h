#pragma once
// How many lanes a bracket's heats use, and how many heats a round then needs.

namespace korva {

class MatrixTrace;

struct LaneQuantityInput {
    int readyPilots = 0;
    int uniqueChannels = 0;
    int maxConflicted = 0;  // most ready pilots on one shared channel
    int maxLanes = 4;       // race properties of the bracket
    int minLanes = 3;
    bool maxThreeLanes = false;
    bool heatsScored = false;  // some round of the matrix is started
    int storedLaneQuan = 0;    // lanes of the existing matrix
};

// ActualLaneQuan, traced step by step; always 2 to 4.
int chooseLaneQuantity(const LaneQuantityInput& in, MatrixTrace& trace);

// Enough heats for every pilot, and one heat per pilot of the most crowded channel.
int heatsPerRound(int readyPilots, int lanes, int maxConflicted);

}  // namespace korva
