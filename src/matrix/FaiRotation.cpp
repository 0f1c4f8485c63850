#include "matrix/FaiRotation.h"

#include "race/KORVAMatrix.h"

namespace korva {

void rotateFaiLanes(KORVAMatrix& matrix, int beginRound, int roundQuan, int every, int lanes,
                    Timestamp now) {
    if (every <= 0) return;
    int shift = 0, step = 0, counter = 0;
    for (int i = std::max(beginRound, 1) - 1; i < roundQuan; ++i) {
        if (counter == every) {
            counter = 0;
            shift = ++step;
            if (step == lanes) shift = step = 0;
        }
        KORVARound* round = matrix.roundAt(i);
        if (step > 0 && round && !round->anyComplete()) {
            for (auto& heat : round->heats) heat->rotateLanes(shift, lanes, now);
        }
        ++counter;
    }
}

}  // namespace korva
