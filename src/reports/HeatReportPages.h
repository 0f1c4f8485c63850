#pragma once
// Writing the pages of a heat report once its choices are made and confirmed.

#include <string>

namespace korva {

class ReportRun;
struct HeatPrintChoice;
struct PrintedHeat;

void writeHeatReport(ReportRun& run, const HeatPrintChoice& choice);
void writeReFlyCard(ReportRun& run, const PrintedHeat& heat, const std::string& printDate);

}  // namespace korva
