#pragma once
// The standings of the open race: every pilot's total and best time, the standings list of
// every matrixed bracket with its ties, and the fly-off entries of the tied pilots. The
// lists read them from here.

#include <array>

#include "race/StandingsSource.h"
#include "scoring/FinishOrder.h"
#include "scoring/FlyOffInfo.h"
#include "scoring/StandingsList.h"
#include "scoring/StandingsScores.h"

namespace korva {

class KORVARaceDoc;
struct EnterResultsHooks;

class RaceStandings final : public StandingsSource {
public:
    explicit RaceStandings(KORVARaceDoc& doc);

    KORVARaceDoc& doc() const { return doc_; }

    // Totals, best times and fastest times anew; changes nothing in the race. Quick enough
    // to run before every redraw of the lists.
    void update();
    // The whole computation without telling anyone: the values, every matrixed bracket's
    // list and ties, the tied pilots' fly-off entries and the race's tie count.
    void rebuild();

    const BracketStandings& bracket(int b) const;
    int totalTies() const { return totalTies_; }
    const StandingsScores& scores() const { return scores_; }

    std::int32_t total(const KORVAPilot& pilot) const override { return scores_.total(pilot); }
    BestTime bestTime(const KORVAPilot& pilot) const override { return scores_.bestTime(pilot); }
    std::int32_t fastestOfBracket(int b) const override { return scores_.fastestOfBracket(b); }

    FinishKey finishKey(const KORVAPilot& pilot) const;
    // Take the rules once per sort: finishRules(doc()).
    int compareFinish(const KORVAPilot& a, const KORVAPilot& b, const FinishRules& rules) const {
        return compareFinishOrder(finishKey(a), finishKey(b), rules);
    }

    // Shows a bracket's fly-off pilot information when the director asks for it after
    // Finish. By default the listing as a message; the reports put the page and its
    // printing here.
    FlyOffInfoHandler showFlyOffInfo;

private:
    void listBracket(int b);
    bool settleFlyOffs();

    KORVARaceDoc& doc_;
    StandingsScores scores_;
    std::array<BracketStandings, kBracketCount> brackets_;
    int totalTies_ = 0;
};

// The standings computation with its final flag, as it runs after a stored heat result and
// at Finish: rebuilds the standings and, with the flag, tells the director how ties stand.
void recomputeStandings(RaceStandings& standings, bool finalFlag);

// What result entry runs after every stored heat: these standings, with the final flag it
// passes (every round of every matrixed bracket complete, or the race marked finished).
EnterResultsHooks resultEntryHooks(RaceStandings& standings);

}  // namespace korva
