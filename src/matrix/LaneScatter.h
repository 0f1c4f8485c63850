#pragma once
// Turns the lane lists of a bracket into its rounds and heats: chooses every round's heat
// order, spreads the byes, and writes the rounds of the bracket's matrix.

#include "matrix/LaneLists.h"
#include "matrix/ProgressTick.h"
#include "matrix/TrialScorer.h"
#include "ui/Clock.h"

namespace korva {

class Interaction;
class KORVAMatrix;
class MatrixTrace;
struct HeatOrderPlan;

struct ScatterRequest {
    int lanes = 0;
    int bracket = 0;
    int heatsPerRound = 0;
    LaneLists grouped;        // every bye of a lane together
    LaneLists spread;         // byes spread over the lanes with room
    bool rematrix = false;    // the spread lists are worth trying
    LaneSlack spreadSlack{};  // free slots per lane of the spread lists
    ScorerFactory scorer;     // empty: the program's own search
    ProgressTick tick;
};

struct ScatterTarget {
    KORVAMatrix& matrix;
    int roundQuan;
    int beginRound;
    Interaction& ui;
    MatrixTrace& trace;
    Timestamp now;
};

bool ScatterPilotsInSameLanes(const ScatterTarget& target, ScatterRequest request);

// Writes rounds beginRound..roundQuan of the plan with the given lane lists; complete
// rounds and heats are never touched, open rounds past roundQuan are emptied.
void writeRounds(KORVAMatrix& matrix, const HeatOrderPlan& plan, const LaneLists& lists,
                 int roundQuan, Timestamp now);

}  // namespace korva
