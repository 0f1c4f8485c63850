// The print queue's status line.

#include "reports/print/KORVAPrintQueue.h"
#include "ui/Format.h"
#include "ui/Strings.h"

namespace korva {

namespace {

std::string countText(int count, int singular, int plural) {
    return cformat(text(count == 1 ? singular : plural), count);
}

}  // namespace

std::string printStatusText(int pagesWaiting, int spoolerJobs) {
    std::string line;
    if (pagesWaiting > 0)
        line = countText(pagesWaiting, str::kProcessingPage, str::kProcessingPages);
    if (spoolerJobs > 0) {
        if (!line.empty()) line += " - ";
        line += countText(spoolerJobs, str::kPrintQueueFile, str::kPrintQueueFiles);
    }
    return line;
}

}  // namespace korva
