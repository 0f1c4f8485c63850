#include "scoring/HeatResultFill.h"

#include <algorithm>

#include "race/KORVARaceDoc.h"
#include "race/KORVARound.h"
#include "scoring/ScoringRules.h"

namespace korva {

namespace {

std::string planeTextOf(const KORVARaceDoc& doc, const KORVAPilot& pilot) {
    const KORVAPlane* plane = doc.planeByNumber(pilot.primaryPlane(doc.planes));
    return plane ? plane->mainColor + " " + plane->type : std::string();
}

void prefillStored(HeatResultRow& row, const KORVAHeat& heat, std::size_t lane) {
    const KORVAHeatTime& t = heat.laneTime[lane];
    row.finish = heat.laneFinish[lane];
    row.cuts = heat.laneCuts[lane];
    row.minutes = t.minutes;
    row.seconds = t.seconds;
    row.hundredths = t.hundredths;
    row.storedPoints = heat.lanePoints[lane];
    // The heat list names DNF first when both flags are down; so does the form.
    if (heat.laneFinished[lane] == 0) {
        row.state = kDidNotFinish;
    } else if (heat.laneStarted[lane] == 0) {
        row.state = kDidNotStart;
    }
}

void prefillOpen(HeatResultRow& row, bool fai, int bracket) {
    row.minutes = 1;
    row.seconds = fai ? 5 : bracket == 0 ? 40 : 10;
    row.hundredths = 50;
}

}  // namespace

KORVAHeatUpdateDlg buildHeatResultForm(const KORVARaceDoc& doc, int bracket,
                                       const KORVARound& round, const KORVAHeat& heat) {
    KORVAHeatUpdateDlg form;
    form.bracket = bracket;
    form.roundNumber = round.number();
    form.heatNumber = heat.heatNumber;
    form.fai = doc.faiClass != 0;
    form.plausibilityChecked = doc.userClass == 0;
    // Cut rules and manual points belong to points races; FAI scores are always computed.
    form.heatScoring = form.fai ? kScoringAma : doc.heatScoring;
    form.pilotLanes = heat.occupiedLanes();
    // A round that claims fewer lanes than the heat fills would hand out negative points.
    form.lanesPerHeat = std::max(round.laneQuantity(), form.pilotLanes);
    form.wasComplete = heat.isComplete();
    for (std::size_t l = 0; l < form.rows.size(); ++l) {
        HeatResultRow& row = form.rows[l];
        row.pilot = heat.lanePilot[l];
        if (!row.hasPilot()) continue;
        if (const KORVAPilot* pilot = doc.pilotByNumber(row.pilot)) {
            row.pilotName = pilot->fullName();
            row.planeText = planeTextOf(doc, *pilot);
        }
        if (form.wasComplete) {
            prefillStored(row, heat, l);
        } else {
            prefillOpen(row, form.fai, bracket);
        }
    }
    return form;
}

}  // namespace korva
