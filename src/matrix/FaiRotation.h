#pragma once
// FAI races move every heat's pilots one lane further every few rounds.

#include "ui/Clock.h"

namespace korva {

class KORVAMatrix;

// Rotates the rounds beginRound..roundQuan of the matrix: the first `every` rounds keep
// their lanes, the next `every` are shifted by one lane, and so on until the shift comes
// round to `lanes` again and the cycle restarts.
void rotateFaiLanes(KORVAMatrix& matrix, int beginRound, int roundQuan, int every, int lanes,
                    Timestamp now);

}  // namespace korva
