#pragma once
// The print queue: written pages wait here and a worker thread prints them one at a time,
// each only after the spooler shows its job (or 20 seconds have passed).

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "reports/HtmlPrintQueue.h"
#include "reports/print/KORVAPrinter.h"
#include "reports/print/PagePrinter.h"
#include "reports/print/PrintClock.h"

namespace korva {

// The printer, monitor and clock must outlive the worker: when stop() returns false the
// worker is still inside one of them.
class KORVAPrintQueue final : public HtmlPrintQueue {
public:
    KORVAPrintQueue(PagePrinter& printer, KORVAPrinter& monitor, PrintClock& clock,
                    std::string workingFolder);
    // Stops the worker like stop(5000 ms), unless stop() was asked already; a worker that
    // has not ended by then is left to end on its own.
    ~KORVAPrintQueue() override;
    KORVAPrintQueue(const KORVAPrintQueue&) = delete;
    KORVAPrintQueue& operator=(const KORVAPrintQueue&) = delete;

    // The path is relative to the working folder (an absolute path is kept); the first page
    // starts the worker.
    void QueueHtmlPrint(const std::string& path) override;
    // Called once, on the queueing thread, when the worker starts.
    std::function<void()> workerStarted;

    // Pages not yet taken by the worker.
    int pagesWaiting() const;
    // Asks the worker to end, abandoning a page it waits for, and waits for it at most
    // `wait`. True when the worker has ended (or never started).
    bool stop(std::chrono::milliseconds wait);

    struct Shared;

private:
    PagePrinter& printer_;
    KORVAPrinter& monitor_;
    PrintClock& clock_;
    std::string workingFolder_;
    // Shared with the worker, so that it stays valid for a worker that outlives the queue.
    std::shared_ptr<Shared> shared_;
    std::thread worker_;
    bool stopAsked_ = false;
};

// The status line: the pages waiting and the spooler's jobs, each in its singular or plural
// form, joined by " - "; empty when both are 0.
std::string printStatusText(int pagesWaiting, int spoolerJobs);

}  // namespace korva
