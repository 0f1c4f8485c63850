#pragma once
// The pilot list as a page, which sorted by points is the results sheet: sponsors, heading,
// and per class a table of the chosen columns with status icons and the best-time marks.

#include <memory>
#include <string>
#include <vector>

#include "reports/PrintForms.h"

namespace korva {

class KORVAPilot;
class PilotListRows;
class ReportRun;
class ZelHtml;

// The status icon picture of a pilot list row ("img/waiver.jpg", ...); empty for none.
std::string statusIconPicture(int icon);

// "img/sponsor1.jpg", "img/sponsor2.jpg", ... as far as they exist in the html folder.
std::vector<std::string> sponsorPictures(const std::string& htmlFolder);

struct PilotListSetup {
    const PilotListRows& list;
    std::vector<const KORVAPilot*> pilots;
    PilotPrintForm columns;
    std::string printDate;
};

// Composes the page; it is written by the caller once the user agreed.
std::unique_ptr<ZelHtml> composePilotList(const ReportRun& run, const PilotListSetup& setup);

}  // namespace korva
