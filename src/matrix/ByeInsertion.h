#pragma once
// Fills a lane list up to the heats per round with byes, placed before channel groups so
// that a lane's byes fall in different places of its list.

#include "matrix/LaneLists.h"

namespace korva {

class CRandom;

void insertByes(LaneList& list, int heats, CRandom& random);

}  // namespace korva
