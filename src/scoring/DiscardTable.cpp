#include "scoring/DiscardTable.h"

namespace korva {

int discardedRounds(int completedRounds) {
    if (completedRounds <= 0) return 0;
    const auto last = static_cast<int>(DiscardTable.size()) - 1;
    return DiscardTable[static_cast<std::size_t>(completedRounds < last ? completedRounds : last)];
}

}  // namespace korva
