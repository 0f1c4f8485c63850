#include "reports/PilotListing.h"

#include "race/KORVARaceDoc.h"
#include "reports/PrintLook.h"
#include "reports/html/EscapeHtml.h"
#include "reports/html/ZelHtml.h"
#include "reports/html/ZelHtmlString.h"
#include "reports/html/ZelHtmlText.h"
#include "scoring/StandingsScores.h"
#include "ui/Format.h"
#include "ui/Strings.h"

namespace korva {

namespace {
// The column as the sort heading names it; the window's "#" and "Chan" are too terse, and a
// "#" in a file name would cut the page's URL short.
std::string columnName(const PilotListRows& list, PilotColumn column) {
    switch (column) {
        case PilotColumn::Number: return "Number";
        case PilotColumn::Chan: return "Channel";
        default: return list.columnTitle(column);
    }
}

// The column that decides between rows the sorted column leaves equal, if any.
bool secondColumn(PilotColumn sorted, PilotColumn& second) {
    switch (sorted) {
        case PilotColumn::Points: second = PilotColumn::LowTime; return true;
        case PilotColumn::LowTime: second = PilotColumn::Points; return true;
        case PilotColumn::Class:
        case PilotColumn::Chan: second = PilotColumn::Name; return true;
        default: return false;
    }
}
}  // namespace

std::string sortHeading(const PilotListRows& list) {
    const PilotColumn sorted = list.sortColumn();
    std::string heading = std::string(text(str::kOrderedBy)) + " " + columnName(list, sorted);
    PilotColumn second{};
    if (secondColumn(sorted, second)) {
        heading += " " + std::string(text(str::kBy)) + " " + columnName(list, second);
    }
    // Standings are kept per class, so these sorts start each class afresh.
    if (sorted == PilotColumn::Points || sorted == PilotColumn::LowTime) {
        heading += " " + std::string(text(str::kWithinClass));
    }
    return heading;
}

std::string listingSuffix(const PilotListRows& list) {
    std::string suffix = "By";
    for (const char c : columnName(list, list.sortColumn())) {
        if (c != ' ') suffix += c;
    }
    return suffix;
}

std::string listingHeading(const KORVARaceDoc& doc, const std::string& raceName,
                           const std::string& printDate) {
    const std::string& race = doc.raceTitle.empty() ? raceName : doc.raceTitle;
    return escapeHtml(cformat(text(str::kPilotListing), race, printDate));
}

void addListingHeading(ZelHtml& page, const PrintLook& look, const std::string& heading,
                       const PilotListRows& list) {
    page.AddItem(look.text(page, heading, "+1", true));
    page.AddItem(look.text(page, sortHeading(list), "2"));
}

void addClassIntro(ZelHtml& page, const PrintLook& look, const KORVARaceDoc& doc, int bracket) {
    const int rounds = completedRounds(doc.raceMatrix.matrix(bracket));
    page.AddItem(page.make<ZelHtmlString>("<BR>"));
    page.AddItem(
        look.text(page, cformat(text(rounds == 1 ? str::kAfterRound : str::kAfterRounds), rounds),
                  "2", true));
    page.AddItem(
        look.text(page, escapeHtml(matrixClassName(doc, bracket)), "+1", true, look.red()));
}

std::vector<BracketPilots> byBracket(const std::vector<const KORVAPilot*>& pilots) {
    std::vector<BracketPilots> out;
    for (int b = 0; b < kBracketCount; ++b) {
        BracketPilots group{b, {}};
        for (const KORVAPilot* p : pilots) {
            if (p->bracket == b) group.pilots.push_back(p);
        }
        if (!group.pilots.empty()) out.push_back(std::move(group));
    }
    return out;
}

}  // namespace korva
