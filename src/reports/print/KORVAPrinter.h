#pragma once
// The printer monitor: which printers to watch, and the jobs in their queues.

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "reports/print/PrinterPlatform.h"

namespace korva {

// Thread-safe: the status timer counts jobs on the user-interface thread while the print
// worker searches for its page's job.
class KORVAPrinter {
public:
    // What openPrinters returns.
    static constexpr int kOpened = 0;
    static constexpr int kNoPrinters = 10;
    static constexpr int kAlreadyOpen = 30;
    static constexpr int kDefaultNotOpened = 40;

    explicit KORVAPrinter(PrinterPlatform& platform) : platform_(platform) {}
    ~KORVAPrinter();
    KORVAPrinter(const KORVAPrinter&) = delete;
    KORVAPrinter& operator=(const KORVAPrinter&) = delete;

    // Walks the printers in enumeration order: opens every printer that is not direct, and
    // the default one, which ends the walk.
    int openPrinters();
    // Jobs waiting or printing in all open printers; 0 when none can be opened.
    int jobCount();
    // Whether any open printer holds a job submitted at or after the given time.
    bool findJobSince(std::int64_t secondsSince1970);
    // How many jobs the open printers hold that were submitted at or after the given time.
    int countJobsSince(std::int64_t secondsSince1970);

private:
    int openLocked();
    // Applies `count` to the job times of every open printer (opening them first) and sums.
    template <typename Count>
    int sumOverJobs(Count count);

    PrinterPlatform& platform_;
    std::mutex mutex_;
    bool initialised_ = false;
    std::vector<std::string> open_;
};

}  // namespace korva
