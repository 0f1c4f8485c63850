#pragma once
// "Enter Results": the whole command for one heat, from the form to the stored result.

#include <functional>

#include "scoring/HeatResultForm.h"

namespace korva {

class KORVARaceDoc;

struct EnterResultsHooks {
    // Recomputes the standings after a stored result; `finalFlag` is set when every round
    // of every matrixed bracket is complete or the race is marked finished.
    std::function<void(int bracket, bool finalFlag)> runStandings;
};

// Heat `heatNumber` of round `roundNumber` (both from 1) of a bracket. Shows the form until
// its checks pass and its scores are confirmed, keeping everything typed, then stores the
// result and records one change. False when cancelled or when there is no such heat.
bool enterResults(KORVARaceDoc& doc, HeatResultForms& forms, int bracket, int roundNumber,
                  int heatNumber, const EnterResultsHooks& hooks = {});

// Every round of every matrixed bracket complete, or the race marked finished.
bool standingsAreFinal(const KORVARaceDoc& doc);

}  // namespace korva
