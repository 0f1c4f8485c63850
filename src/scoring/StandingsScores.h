#pragma once
// What every pilot scored in the completed rounds of its bracket (total, best time, lane) and
// the fastest time of each bracket, read from the complete heats in one pass per bracket.

#include <array>
#include <cstdint>
#include <vector>

#include "race/Classes.h"
#include "race/StandingsSource.h"

namespace korva {

class KORVAMatrix;
class KORVAPilot;
class KORVARaceDoc;

// A bracket counts as matrixed once it was generated and holds rounds.
bool isMatrixed(const KORVARaceDoc& doc, int bracket);
bool anyMatrixed(const KORVARaceDoc& doc);
// Every round of every matrixed bracket has all its heats complete; false with none matrixed.
bool allRoundsComplete(const KORVARaceDoc& doc);
// The number of rounds of the matrix in which every heat is complete.
int completedRounds(const KORVAMatrix& matrix);

class StandingsScores {
public:
    // Reads the heats of every bracket; the fastest times also read the pilots' fly-off times.
    void compute(const KORVARaceDoc& doc);
    // Takes the pilots' fly-off times into the fastest times again, after they changed.
    void refreshFastest(const KORVARaceDoc& doc);

    int completedRounds(int bracket) const;
    // The pilot's total over the completed rounds, discards taken in an FAI race; 0 when
    // disqualified.
    std::int32_t total(const KORVAPilot& pilot) const;
    // The best round time (FAI: the lowest round score) over the completed rounds.
    BestTime roundBest(const KORVAPilot& pilot) const;
    // The best time as the lists show it: in a points race a faster fly-off time counts too.
    BestTime bestTime(const KORVAPilot& pilot) const;
    // The lane index the pilot holds in the last round that has it; -1 when none.
    int lane(const KORVAPilot& pilot) const;
    // Points race: the fastest lane or fly-off time; FAI race: the lowest lane score. 0: none.
    std::int32_t fastestOfBracket(int bracket) const;

private:
    struct Score {
        std::int32_t total = 0;
        BestTime best;
        int lane = -1;
    };
    struct Bracket {
        int completed = 0;
        std::int32_t fastestLane = 0;  // of the complete heats
        std::int32_t fastest = 0;      // with the fly-off times
        std::vector<Score> byNumber;   // indexed by pilot number
    };
    // What a pass has taken so far for one pilot number.
    struct Mark {
        int laneRound = 0;   // matrix round (1-based) whose lane was taken
        int scoreRound = 0;  // completed round (1-based) whose value and time were taken
        std::int32_t value = 0;
        std::int32_t time = 0;
        bool cut = false;
    };
    class Pass;

    const Score* find(const KORVAPilot& pilot) const;

    bool fai_ = false;
    std::array<Bracket, kBracketCount> brackets_;
    // Kept from one pass to the next, so that a computation allocates nothing.
    std::vector<Mark> marks_;
    std::vector<std::int32_t> values_;  // FAI: the round values, pilot by pilot
    std::vector<std::int32_t> touched_;
};

}  // namespace korva
