#include "app/ProgramPrintQueue.h"

#include <chrono>

#include "printing/CupsPrinterPlatform.h"
#include "printing/QtPagePrinter.h"
#include "reports/print/KORVAPrintQueue.h"
#include "reports/print/KORVAPrinter.h"
#include "reports/print/PrintClock.h"
#include "ui/Format.h"
#include "ui/Strings.h"

namespace korva {

namespace {
constexpr std::chrono::milliseconds kShutdownWait{5000};
}  // namespace

struct ProgramPrintQueue::Parts {
    explicit Parts(const std::string& workingFolder)
        : monitor(platform), queue(printer, monitor, clock, workingFolder) {}

    CupsPrinterPlatform platform;
    QtPagePrinter printer;
    SystemPrintClock clock;
    KORVAPrinter monitor;
    KORVAPrintQueue queue;
};

ProgramPrintQueue::ProgramPrintQueue(std::string workingFolder, StartStatus startStatus, Tell tell)
    : workingFolder_(std::move(workingFolder)),
      startStatus_(std::move(startStatus)),
      tell_(std::move(tell)) {}

ProgramPrintQueue::~ProgramPrintQueue() {
    stop();
}

void ProgramPrintQueue::QueueHtmlPrint(const std::string& path) {
    if (!parts_) {
        parts_ = std::make_unique<Parts>(workingFolder_);
        Parts* parts = parts_.get();
        parts->printer.pageFailed = [this](const std::string& path, const std::string& why) {
            if (tell_)
                tell_(QString::fromStdString(cformat(text(str::kPageNotPrinted), path, why)));
        };
        parts->queue.workerStarted = [this, parts] {
            if (!startStatus_) return;
            startStatus_([parts] {
                return QString::fromStdString(
                    printStatusText(parts->queue.pagesWaiting(), parts->monitor.jobCount()));
            });
        };
    }
    parts_->queue.QueueHtmlPrint(path);
}

void ProgramPrintQueue::stop() {
    if (!parts_) return;
    if (!parts_->queue.stop(kShutdownWait)) {
        // The worker is still inside the spooler: its printer, monitor and clock must stay
        // for it until the program ends.
        static_cast<void>(parts_.release());
    }
}

}  // namespace korva
