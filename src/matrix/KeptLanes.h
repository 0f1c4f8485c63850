#pragma once
// Keep-lanes mode: the lane lists are read back from the first round of the matrix.

#include "matrix/LaneLists.h"
#include "matrix/ReadyField.h"

namespace korva {

class KORVAMatrix;
class KORVARaceDoc;

struct KeptLanes {
    enum class Outcome { Kept, NoFirstRound, CountDiffers, ChannelSplit };
    Outcome outcome = Outcome::NoFirstRound;
    LaneLists lists;
    int lanes = 0;
    int longest = 0;   // longest lane list
    int pilots = 0;      // pilots found in the first round (all of them, or the ready ones
                         // when the count matched but some are no longer ready)
    int channel = -1;  // a real channel found in two lanes
};

// Reads round 1 lane by lane. The lists are kept only when they hold exactly the ready
// field (a pilot traded for another keeps the count but not the field) and no real channel
// is split over two lanes, so kept lanes can never put two pilots of a channel together.
KeptLanes readKeptLanes(const KORVAMatrix& matrix, const KORVARaceDoc& doc,
                        const ReadyField& field);

}  // namespace korva
