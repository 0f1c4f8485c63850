#pragma once
// Spectator programs: for each chosen class, booklet pages listing every heat of every
// round with the pilots in their lanes.

#include <string>
#include <vector>

#include "reports/PrintForms.h"

namespace korva {

class HtmlPrintQueue;
class KORVARaceDoc;

struct SpectatorChoice {
    int classes = 7;  // bit b: bracket b
    SpectatorFontSize fontSize = SpectatorFontSize::Medium;
    std::string printDate;
};

// Every class, medium print, today.
SpectatorChoice defaultSpectatorPrograms(const KORVARaceDoc& doc);

// The class name in the programs' headings and file names: "APRA", "424", "426" or the
// third bracket's name, by the class the bracket's matrix was built for. Not escaped.
std::string spectatorClassName(const KORVARaceDoc& doc, int bracket);

// From the heat window: "Print Spectator Programs" with the classes of `enabledClasses`
// (a bit each), then the confirmation. Returns the pages written.
std::vector<std::string> PrintSpectatorPrograms(KORVARaceDoc& doc, PrintForms& forms,
                                                HtmlPrintQueue& queue, int enabledClasses);
std::vector<std::string> PrintSpectatorPrograms(KORVARaceDoc& doc, HtmlPrintQueue& queue,
                                                const SpectatorChoice& choice, bool htmlOnly);

}  // namespace korva
