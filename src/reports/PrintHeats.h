#pragma once
// Printing the heat window: heat cards (all, changed or blank), heat results (all pilots or
// one), the heat sheet, and the re-fly card of one heat.

#include <string>
#include <vector>

#include "reports/PrintForms.h"

namespace korva {

class HtmlPrintQueue;
class KORVARaceDoc;

enum class HeatReport { Cards, ChangedCards, Results, Sheets, BlankCards };

// What a heat report prints, as the dialogs or quick print chose it.
struct HeatPrintChoice {
    HeatReport report = HeatReport::Cards;
    PrintHeatsForm options;
    int singlePilot = 0;     // results of this pilot only; 0 for every pilot
    int bracketFilter = -1;  // the heat window's class filter: the rows of the sheet
    std::string caption;     // the heat window's caption: the title of the sheet
};

// Starting values: the matrixed classes of `ticked` (a bit a bracket), every round, today.
HeatPrintChoice defaultHeatPrint(const KORVARaceDoc& doc, HeatReport report, int ticked);

// The heat window as its print command sees it.
struct HeatWindowState {
    bool cardLayout = false;
    int bracketFilter = -1;
    std::string caption;
};

// The heat window's "Print...": the dialogs, ConfirmPrint, the pages, then the queue.
// Returns the pages written.
std::vector<std::string> PrintHeats(KORVARaceDoc& doc, PrintForms& forms, HtmlPrintQueue& queue,
                                    const HeatWindowState& window);

// The same without dialogs, for quick print and the command line; `htmlOnly` writes the
// pages without queueing them.
std::vector<std::string> PrintHeats(KORVARaceDoc& doc, HtmlPrintQueue& queue,
                                    const HeatPrintChoice& choice, bool htmlOnly);

// A heat by its bracket and 0-based round and heat indexes.
struct HeatPlace {
    int bracket = 0;
    int roundIndex = 0;
    int heatIndex = 0;
};

// "Print Re-Fly Card" of the selected heat; nothing is written for a heat that is not there.
std::vector<std::string> PrintReFlyCard(KORVARaceDoc& doc, PrintForms& forms, HtmlPrintQueue& queue,
                                        const HeatPlace& place);
std::vector<std::string> PrintReFlyCard(KORVARaceDoc& doc, HtmlPrintQueue& queue,
                                        const HeatPlace& place, bool htmlOnly);

}  // namespace korva
