#include "reports/PrintLook.h"

#include "properties/RaceDefaults.h"
#include "race/KORVARaceDoc.h"
#include "reports/html/ZelHtml.h"
#include "reports/html/ZelHtmlText.h"

namespace korva {

namespace {
constexpr int kCardStockWidth = 630;
constexpr int kThirdClass = 4;
}  // namespace

PrintLook PrintLook::fromSettings(const SettingsStore& settings) {
    PrintLook look;
    look.color = readDefault(settings, defaults::kColorPrinter) != 0;
    look.laneColors = look.color && readDefault(settings, defaults::kHeatCardLaneColors) != 0;
    look.pageBreak = readDefault(settings, defaults::kHeatCardPageBreak) != 0;
    look.font = readDefault(settings, defaults::kPrintFont);
    look.resolution = readDefault(settings, defaults::kPrintResolution);
    return look;
}

std::string PrintLook::cardWidth() const {
    return std::to_string(kCardStockWidth * resolution / 100);
}

ZelHtmlText* PrintLook::text(ZelHtml& page, const std::string& value, const char* size, bool bold,
                             const std::string& color) const {
    auto* item = page.make<ZelHtmlText>(value);
    item->SetFontSize(size);
    item->SetFont(font);
    item->SetFontColor(color);
    if (bold) item->SetBold(1);
    return item;
}

std::string matrixClassName(const KORVARaceDoc& doc, int bracket) {
    if (bracket < 0 || bracket >= kBracketCount) return doc.bracketName(bracket);
    const int code = doc.raceMatrix.matrix(bracket).ClassCode;
    if (code == kThirdClass) return doc.thirdBracketName();
    if (code >= 0 && code < kThirdClass) return classLabel(code);
    return doc.bracketName(bracket);
}

}  // namespace korva
