#pragma once
// The fly-off pilot information of one class: the tied pilots with their totals, places,
// channels and lanes, conflicts marked, written as a page and listed in a message.

#include <string>
#include <vector>

#include "scoring/FlyOffInfo.h"

namespace korva {

class HtmlPrintQueue;
class KORVARaceDoc;
class PrintForms;

// Writes the page, lists the pilots in a message and offers to print the page. The listing
// is shown even when the race has no html folder for the page. Returns the pages written.
std::vector<std::string> PrintFlyOffInfo(KORVARaceDoc& doc, PrintForms& forms,
                                         HtmlPrintQueue& queue, const FlyOffInfo& info);
// Writes the page without asking; queued unless `htmlOnly`.
std::vector<std::string> PrintFlyOffInfo(KORVARaceDoc& doc, HtmlPrintQueue& queue,
                                         const FlyOffInfo& info, bool htmlOnly);

// What the standings' showFlyOffInfo hook is set to in the program.
FlyOffInfoHandler flyOffInfoPrinter(KORVARaceDoc& doc, PrintForms& forms, HtmlPrintQueue& queue);

}  // namespace korva
