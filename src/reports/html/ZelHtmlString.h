#pragma once
// Markup written as it stands: no FONT and no CENTER, whatever its attributes say.

#include <string>
#include <utility>

#include "reports/html/ZelHtmlItem.h"

namespace korva {

class ZelHtmlString : public ZelHtmlItem {
public:
    explicit ZelHtmlString(std::string markup = {}) : markup(std::move(markup)) {}

    void ToString(std::string& out, int) override { out += markup; }

    void SetString(const std::string& value) { markup = value; }

private:
    std::string markup;
};

}  // namespace korva
