#pragma once
// An IMG tag with its border.

#include <string>
#include <utility>

#include "reports/html/ZelHtmlItem.h"

namespace korva {

class ZelHtmlImage : public ZelHtmlItem {
public:
    ZelHtmlImage() = default;
    explicit ZelHtmlImage(std::string url) : url(std::move(url)) {}

    void ToString(std::string& out, int noCenter) override;

    void SetURL(const std::string& value) { url = value; }
    void SetOutlineWidth(int width) { border = std::to_string(width); }

private:
    std::string border = "0";
    std::string url = "C:/";
};

}  // namespace korva
