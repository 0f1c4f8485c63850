#include "reports/html/ZelHtmlItem.h"

#include "ui/TextCase.h"

namespace korva {

namespace {
// The page's base font, written once in the page header.
constexpr const char* kBaseSize = "2";
constexpr const char* kBaseColor = "BLACK";
constexpr const char* kBaseFace = "Verdana";

void setUnlessEmpty(std::string& field, const std::string& value) {
    if (!value.empty()) field = value;
}
}  // namespace

void ZelHtmlItem::SetFontSize(const std::string& size) {
    setUnlessEmpty(fontSize, size);
}
void ZelHtmlItem::SetFontColor(const std::string& color) {
    setUnlessEmpty(fontColor, color);
}
void ZelHtmlItem::SetFont(const std::string& face) {
    setUnlessEmpty(fontFace, face);
}
void ZelHtmlItem::SetCenter(int value) {
    center = value;
}

void ZelHtmlItem::openWrapper(std::string& out, int noCenter) {
    if (center != 0 && noCenter == 0) out += "<CENTER>";
    const bool sameColor = equalsNoCase(fontColor, kBaseColor);
    const bool sameSize = equalsNoCase(fontSize, kBaseSize);
    const bool sameFace = equalsNoCase(fontFace, kBaseFace);
    if (sameColor && sameSize && sameFace) {
        fontOpen = 0;
        return;
    }
    fontOpen = 1;
    out += "<FONT";
    if (!sameColor) out.append(" COLOR=").append(fontColor);
    if (!sameSize) out.append(" SIZE=").append(fontSize);
    if (!sameFace) out.append(" FACE=\"").append(fontFace).append("\"");
    out += '>';
}

void ZelHtmlItem::closeWrapper(std::string& out, int noCenter) {
    if (fontOpen != 0) out += "</FONT>";
    if (center != 0 && noCenter == 0) out += "</CENTER>";
}

}  // namespace korva
