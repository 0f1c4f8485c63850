#include "reports/html/ZelHtmlImage.h"

namespace korva {

void ZelHtmlImage::ToString(std::string& out, int noCenter) {
    openWrapper(out, noCenter);
    out.append("<IMG SRC=\"").append(url).append("\" BORDER=").append(border).append(">");
    closeWrapper(out, noCenter);
}

}  // namespace korva
