#pragma once
// Pilot information cards: a card per pilot with the pilot's data and, per round, the heat,
// lane and start group the pilot flies in, four cards a page.

#include <vector>

namespace korva {

class KORVAPilot;
class KORVARaceDoc;
class ReportRun;

// The largest round count of the brackets in `classes` (a bit each) that have a matrix;
// 0 when none has.
int pilotCardRounds(const KORVARaceDoc& doc, int classes);
// The brackets of `classes` that the race uses and that have no matrix.
int bracketsWithoutMatrix(const KORVARaceDoc& doc, int classes);

// The pilot's card differs from the one last printed: the pilot or one of its heats changed.
bool pilotCardChanged(const KORVARaceDoc& doc, const KORVAPilot& pilot);
// Some pilot's card changed since cards were last printed.
bool pilotCardsChanged(const KORVARaceDoc& doc, const std::vector<const KORVAPilot*>& pilots);

// Removes the pages of earlier runs and writes the cards of `pilots` (only the changed ones
// with `onlyChanged`) with `rounds` round columns; notes the print in the race.
void writePilotCards(ReportRun& run, const std::vector<const KORVAPilot*>& pilots, int rounds,
                     bool onlyChanged);

}  // namespace korva
