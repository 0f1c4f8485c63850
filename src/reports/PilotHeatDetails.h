#pragma once
// The pilot heat detail list: per pilot the total and every completed round's score and
// time, with penalised rounds in blue and discarded rounds in red.

#include <string>
#include <vector>

namespace korva {

class KORVAPilot;
class PilotListRows;
class ReportRun;

struct HeatDetailsSetup {
    const PilotListRows& list;
    std::vector<const KORVAPilot*> pilots;
    std::string printDate;
};

void writePilotHeatDetails(ReportRun& run, const HeatDetailsSetup& setup);

}  // namespace korva
