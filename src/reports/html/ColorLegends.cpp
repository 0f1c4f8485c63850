#include "reports/html/ColorLegends.h"

#include "ui/Strings.h"

namespace korva {

namespace {
// Never negative, so odd inputs still name one of the three groups.
int mod3(int value) {
    return (value % 3 + 3) % 3;
}

void appendEntry(std::string& out, const std::string& size, const char* color, int wordId) {
    out.append("<FONT SIZE=").append(size).append(" COLOR=").append(color).append("> ");
    out.append(color).append("</FONT>");
    out.append("<FONT SIZE=").append(size).append(">  ").append(text(wordId)).append("</FONT>");
}
}  // namespace

std::string StartGroupColorName(int a, int b, int faiMode, int rotateEvery) {
    if (faiMode == 0) return (a % 2 == 0) == (b % 2 == 0) ? "GREEN" : "BLUE";
    const int base = a % 3 + b % 3;
    int d = base;
    if (rotateEvery != 0) {
        const int k = mod3(a / rotateEvery);
        if (mod3(rotateEvery) == 1) d = base + 3 - k;
        if (mod3(rotateEvery) == 2) d = base + k;
    }
    switch (mod3(d)) {
        case 0: return "GREEN";
        case 1: return "BLUE";
        default: return "MAGENTA";
    }
}

std::string StartGroupLegend(bool bold, const std::string& size, bool withThird) {
    std::string out = bold ? "<B>" : "";
    appendEntry(out, size, "GREEN", str::kLegendFirst);
    appendEntry(out, size, "BLUE", str::kLegendSecond);
    if (withThird) appendEntry(out, size, "MAGENTA", str::kLegendThird);
    if (bold) out += "</B>";
    return out;
}

std::string ScoreColorLegend(bool bold, const std::string& size, bool infringeMode) {
    std::string out = bold ? "<B>" : "";
    if (infringeMode) appendEntry(out, size, "RED", str::kLegendDiscard);
    appendEntry(out, size, "BLUE", infringeMode ? str::kLegendInfringe : str::kLegendCut);
    if (bold) out += "</B>";
    return out;
}

}  // namespace korva
