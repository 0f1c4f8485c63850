#include "reports/html/ZelHtmlText.h"

namespace korva {

void ZelHtmlText::ToString(std::string& out, int noCenter) {
    openWrapper(out, noCenter);
    if (bold != 0) out += "<B>";
    for (int i = 0; i < small; ++i) out += "<SMALL>";
    out += text;
    for (int i = 0; i < small; ++i) out += "</SMALL>";
    if (bold != 0) out += "</B>";
    closeWrapper(out, noCenter);
}

}  // namespace korva
