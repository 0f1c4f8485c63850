#pragma once
// What the final standings tell the director: how ties are resolved, or which ties there are.

#include <string>

namespace korva {

struct BracketStandings;
class RaceStandings;

// The question about a bracket's ties: groups, pilots, channel and lane conflicts.
std::string tieQuestionText(const BracketStandings& bracket);

// Without fly-offs: where the finish order is. With fly-offs: per bracket with ties, the
// tie question, whose Yes shows the bracket's fly-off pilot information; else "no ties".
void announceStandings(const RaceStandings& standings);

}  // namespace korva
