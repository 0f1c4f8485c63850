#pragma once
// The program's print queue for now: it collects the pages a report run hands over and,
// when the run ends, shows the first of them in the desktop's browser, from which the
// director prints. The spooling queue with its worker and status line replaces it.

#include <functional>
#include <string>
#include <vector>

#include "reports/HtmlPrintQueue.h"

namespace korva {

class PagePrintQueue final : public HtmlPrintQueue {
public:
    using ShowPage = std::function<void(const std::string& path)>;
    explicit PagePrintQueue(ShowPage show) : show_(std::move(show)) {}

    void QueueHtmlPrint(const std::string& path) override { pages_.push_back(path); }
    // Shows the run's first page, if it queued any, and starts over for the next run.
    void runEnded();

private:
    ShowPage show_;
    std::vector<std::string> pages_;
};

}  // namespace korva
