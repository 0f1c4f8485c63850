#pragma once
// Printing the pilot window: pilot information cards (all or changed), the pilot list that
// is the results sheet, and the pilot heat detail list. Each from the window with its
// dialogs, or without dialogs for quick print and the command line.

#include <string>
#include <vector>

#include "reports/PrintForms.h"
#include "views/PilotListRows.h"

namespace korva {

class HtmlPrintQueue;
class KORVARaceDoc;

// What a pilot report prints when no dialog asks.
struct PilotReportChoice {
    int classes = 7;  // bit b: bracket b
    PilotColumn sortColumn = PilotColumn::Points;
    std::string printDate;
    PilotPrintForm columns;    // of the pilot list
    bool onlyChanged = false;  // pilot cards changed since the last print only
    int rounds = 0;            // round columns of cards when no chosen class has a matrix
};

// Every class, sorted by points, today, the columns the race shows.
PilotReportChoice defaultPilotReport(const KORVARaceDoc& doc);

// The columns of "Select  Pilot Print" as the window shows them.
PilotPrintForm pilotPrintPreset(const PilotListRows& window);

// Each returns the pages written; a cancelled dialog or a No writes nothing.
std::vector<std::string> PrintPilotCards(KORVARaceDoc& doc, PrintForms& forms,
                                         HtmlPrintQueue& queue, const PilotListRows& window);
std::vector<std::string> PrintPilotCards(KORVARaceDoc& doc, HtmlPrintQueue& queue,
                                         const PilotReportChoice& choice, bool htmlOnly);

std::vector<std::string> PrintPilotList(KORVARaceDoc& doc, PrintForms& forms, HtmlPrintQueue& queue,
                                        const PilotListRows& window);
std::vector<std::string> PrintPilotList(KORVARaceDoc& doc, HtmlPrintQueue& queue,
                                        const PilotReportChoice& choice, bool htmlOnly);

std::vector<std::string> PrintPilotHeatDetails(KORVARaceDoc& doc, PrintForms& forms,
                                               HtmlPrintQueue& queue, const PilotListRows& window);
std::vector<std::string> PrintPilotHeatDetails(KORVARaceDoc& doc, HtmlPrintQueue& queue,
                                               const PilotReportChoice& choice, bool htmlOnly);

}  // namespace korva
