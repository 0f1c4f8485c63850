#pragma once
// A run of text, optionally bold and made smaller by nested SMALL tags.

#include <string>
#include <utility>

#include "reports/html/ZelHtmlItem.h"

namespace korva {

class ZelHtmlText : public ZelHtmlItem {
public:
    explicit ZelHtmlText(std::string text = {}) : text(std::move(text)) {}

    void ToString(std::string& out, int noCenter) override;

    void SetText(const std::string& value) { text = value; }
    void SetBold(unsigned char value) { bold = value; }
    void SetSmall(int count) { small = count; }

private:
    std::string text;
    int bold = 0;
    int small = 0;  // how many SMALL tags are nested around the text
};

}  // namespace korva
