#pragma once
// The base of everything a page holds: font attributes and the CENTER wrapper.

#include <string>

namespace korva {

class ZelHtmlItem {
public:
    virtual ~ZelHtmlItem() = default;

    // Appends the item's markup; a nonzero noCenter keeps the item's own CENTER wrapper off.
    virtual void ToString(std::string& out, int noCenter) = 0;

    // An empty value keeps the previous one.
    void SetFontSize(const std::string& size);
    void SetFontColor(const std::string& color);
    void SetFont(const std::string& face);
    void SetCenter(int center);

protected:
    ZelHtmlItem() = default;
    ZelHtmlItem(const ZelHtmlItem&) = default;
    ZelHtmlItem& operator=(const ZelHtmlItem&) = default;

    // The wrapper writes only the font attributes that differ from the page's base font.
    void openWrapper(std::string& out, int noCenter);
    void closeWrapper(std::string& out, int noCenter);

private:
    std::string fontSize = "2";
    std::string fontColor = "BLACK";
    std::string fontFace = "Verdana";
    int center = 1;
    int fontOpen = 0;  // valid between openWrapper and closeWrapper only
};

}  // namespace korva
