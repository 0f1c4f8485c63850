#pragma once
// The heat sheet (the matrix poster): every heat of the heat window's rows with its pilots,
// coloured by start group, with class headings, wing flags and round separators.

#include <string>

#include "reports/PrintForms.h"
#include "reports/PrintLook.h"

namespace korva {

class KORVARaceDoc;
class ZelHtml;

struct SheetSetup {
    const KORVARaceDoc& doc;
    PrintLook look;
    std::string caption;  // the heat window's caption; escaped when written
    ClassChoice classes;
    int endRound = 1;
    bool icons = false;
    WingFlags wingFlags = WingFlags::DontDisplay;
    int bracketFilter = -1;  // the heat window's class filter
};

// Fills the page; returns the brackets that have heats on it, one bit each.
int buildHeatSheet(ZelHtml& page, const SheetSetup& setup);

}  // namespace korva
