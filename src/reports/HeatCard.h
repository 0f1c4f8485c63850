#pragma once
// One starter's card: heading, column titles and a row per lane, with the side cells that
// mark the first heat of a round or a re-fly, wrapped for a page's row of cards.

#include <string>

#include "reports/PrintLook.h"

namespace korva {

class KORVARaceDoc;
class ZelHtml;
class ZelHtmlTable;
struct PrintedHeat;

enum class CardKind { Heat, Result, Blank, ReFly };

struct CardSetup {
    const KORVARaceDoc& doc;
    PrintLook look;
    CardKind kind = CardKind::Heat;
    std::string printDate;   // as typed; escaped when written
    bool pictures = false;   // lane pictures instead of lane numbers
    bool sideCells = false;  // "ID Round Start Card" on card stock
};

// Whether the lanes show pictures: only on cards, with icons, colour and lane colours on.
bool showsLanePictures(const PrintLook& look, CardKind kind, bool icons);

// The card of `heat` (nullptr for a blank card) in its wrapper table.
ZelHtmlTable* heatCard(ZelHtml& page, const CardSetup& setup, const PrintedHeat* heat);

}  // namespace korva
