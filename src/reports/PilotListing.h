#pragma once
// What the pilot list and the pilot heat detail list share: the heading with the sort, the
// file name suffix, the introduction of each class's table, and the pilots by class.

#include <string>
#include <vector>

#include "views/PilotListRows.h"

namespace korva {

class KORVAPilot;
class KORVARaceDoc;
class ZelHtml;
struct PrintLook;

// "Ordered By Points By Low Time Within Class" and the like: how the rows are sorted.
std::string sortHeading(const PilotListRows& list);
// The sort in a file name: "ByPoints", "ByLowTime", ...
std::string listingSuffix(const PilotListRows& list);

// "<race> - Pilot Listing <date> ", escaped.
std::string listingHeading(const KORVARaceDoc& doc, const std::string& raceName,
                           const std::string& printDate);

// Appends the listing heading in bold and the sort below it.
void addListingHeading(ZelHtml& page, const PrintLook& look, const std::string& heading,
                       const PilotListRows& list);

// Appends "After %d Rounds" and the class name before a class's table.
void addClassIntro(ZelHtml& page, const PrintLook& look, const KORVARaceDoc& doc, int bracket);

// The pilots of each bracket, in the order given.
struct BracketPilots {
    int bracket = 0;
    std::vector<const KORVAPilot*> pilots;
};
std::vector<BracketPilots> byBracket(const std::vector<const KORVAPilot*>& pilots);

}  // namespace korva
