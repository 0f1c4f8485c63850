#pragma once
// How printed pages look on this computer: colour, lane colours, page breaks, font and card
// width, read from the stored settings, and the text items built in that look.

#include <string>

namespace korva {

// Shades and alignment codes of table cells, as the page builder takes them.
namespace cell {
inline constexpr int kBlack = 0;
inline constexpr int kLightGrey = 180;
inline constexpr int kWhite = 255;
inline constexpr int kLeft = 3;
inline constexpr int kRight = 4;
inline constexpr int kNoAlign = 9;
}  // namespace cell

class KORVARaceDoc;
class SettingsStore;
class ZelHtml;
class ZelHtmlText;

struct PrintLook {
    bool color = true;       // "ColorPrinter"
    bool laneColors = true;  // "HeatCardLaneColors", only with colour
    bool pageBreak = false;  // "HeatCardPageBreak"
    std::string font = "Verdana";
    int resolution = 96;  // the card width's percentage of 630

    static PrintLook fromSettings(const SettingsStore& settings);

    // Width of a card table on card stock.
    std::string cardWidth() const;

    // A text item in the print font; `color` is left at the page's when empty.
    ZelHtmlText* text(ZelHtml& page, const std::string& value, const char* size, bool bold = false,
                      const std::string& color = {}) const;
    // "RED" when printing in colour: class names and marks.
    std::string red() const { return color ? "RED" : ""; }
};

// Name of the class a bracket's matrix was built for ("APRA 9", "APRA", "424", "426" or the
// third bracket's name); the bracket's name while it has none. Not escaped.
std::string matrixClassName(const KORVARaceDoc& doc, int bracket);

}  // namespace korva
