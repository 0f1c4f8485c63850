#include "reports/html/ZelHtml.h"

#include "reports/html/HtmlFile.h"
#include "ui/Messages.h"

namespace korva {

std::string ZelHtml::render() {
    std::string out = "<HTML><HEAD><TITLE>" + title + "</TITLE>";
    out += bgImage.empty() ? "<BODY>" : "<BODY BACKGROUND=" + bgImage + ">";
    out += "<FONT COLOR=BLACK SIZE=2 FACE=\"Verdana\">";  // the page's base font
    for (ZelHtmlItem* item : items) {
        if (item != nullptr) item->ToString(out, 0);
    }
    out += "</FONT></BODY></HTML>";
    return out;
}

bool ZelHtml::Punch(Interaction& ui) {
    std::string error;
    if (writeHtmlFile(url, render(), error)) return true;
    showError(ui, str::kCannotOpenPage, url, error);
    return false;
}

}  // namespace korva
