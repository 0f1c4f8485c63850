#pragma once
// Which heats a heat report prints, in order: the ticked classes, the chosen rounds, and
// optionally only those of one pilot or those changed since their cards were printed.

#include <optional>
#include <vector>

#include "reports/PrintForms.h"

namespace korva {

class KORVAHeat;
class KORVARaceDoc;
class KORVARound;

struct PrintedHeat {
    int bracket = 0;
    int roundIndex = 0;
    const KORVARound* round = nullptr;
    const KORVAHeat* heat = nullptr;
    int sequence = 0;  // numbered through the bracket's rounds

    int roundNumber() const;
    bool firstOfRound() const;
    bool lastOfRound() const;
};

struct HeatFilter {
    ClassChoice classes;
    int beginRound = 1;
    int endRound = 1;
    int pilot = 0;             // 0: every pilot
    bool onlyChanged = false;  // changed since the bracket's heat cards were printed
};

std::vector<PrintedHeat> selectHeats(const KORVARaceDoc& doc, const HeatFilter& filter);

// Some bracket's heat cards were printed and a heat changed since.
bool heatsChangedSinceCardsPrinted(const KORVARaceDoc& doc);

// The heat at the given place, numbered; nothing when there is none.
std::optional<PrintedHeat> heatAt(const KORVARaceDoc& doc, int bracket, int roundIndex,
                                  int heatIndex);

}  // namespace korva
