#pragma once
// The heat window's Reset Heat and Reset Round commands, and when they are offered.

#include <functional>

namespace korva {

class KORVAHeat;
class KORVARaceDoc;

// Recomputes the standings of a bracket once results are gone, as after a stored result
// (the same hook: `finalFlag` as standingsAreFinal gives it); the program supplies it.
using RecomputeStandings = std::function<void(int bracket, bool finalFlag)>;

// Reset Heat is offered for a complete heat.
bool resetHeatEnabled(const KORVAHeat* selected);
// Reset Round is offered when the selected heat's round has a complete heat.
bool resetRoundEnabled(const KORVAHeat* selected);

// Clears the heat's results; the pilots stay in their lanes. Asks nothing.
bool resetHeat(KORVARaceDoc& doc, KORVAHeat& heat, const RecomputeStandings& recompute);
// After the user confirms, clears the results of every heat of the selected heat's round
// and the round's two result-state words. False when the user cancels.
bool resetRound(KORVARaceDoc& doc, KORVAHeat& selected, const RecomputeStandings& recompute);

}  // namespace korva
