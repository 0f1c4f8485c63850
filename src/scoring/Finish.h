#pragma once
// The Finish command: marks the race finished and runs the final standings.

namespace korva {

class KORVARaceDoc;
class RaceStandings;

// Offered once some bracket is matrixed and some round of some bracket is complete.
bool canFinish(const KORVARaceDoc& doc);

// Asks before finishing a race with open rounds; No takes back an earlier finish. Returns
// true when the final standings ran.
bool finishRace(RaceStandings& standings);

}  // namespace korva
