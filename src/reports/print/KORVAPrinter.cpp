#include "reports/print/KORVAPrinter.h"

#include <algorithm>

namespace korva {

KORVAPrinter::~KORVAPrinter() {
    for (const auto& name : open_) platform_.closePrinter(name);
}

int KORVAPrinter::openPrinters() {
    std::lock_guard lock(mutex_);
    return openLocked();
}

int KORVAPrinter::openLocked() {
    if (initialised_) return kAlreadyOpen;
    const auto printers = platform_.enumeratePrinters();
    if (!printers || printers->empty()) return kNoPrinters;
    std::vector<std::string> opened;
    auto closeOpened = [&] {
        for (const auto& name : opened) platform_.closePrinter(name);
    };
    for (const auto& printer : *printers) {
        if (printer.isDefault) {
            if (!platform_.openPrinter(printer.name)) {
                // Nothing stays open from a failed walk: the next request walks again and
                // would otherwise open the same printers a second time.
                closeOpened();
                return kDefaultNotOpened;
            }
            opened.push_back(printer.name);
            break;
        }
        if (!printer.isDirect && platform_.openPrinter(printer.name)) {
            opened.push_back(printer.name);
        }
    }
    // A spooler that comes up later is found on a later request.
    if (opened.empty()) return kNoPrinters;
    open_ = std::move(opened);
    initialised_ = true;
    return kOpened;
}

template <typename Count>
int KORVAPrinter::sumOverJobs(Count count) {
    std::lock_guard lock(mutex_);
    openLocked();
    int total = 0;
    for (const auto& name : open_) {
        if (const auto times = platform_.jobTimes(name)) total += count(*times);
    }
    return total;
}

int KORVAPrinter::jobCount() {
    std::lock_guard lock(mutex_);
    openLocked();
    int total = 0;
    for (const auto& name : open_) total += platform_.queuedJobCount(name).value_or(0);
    return total;
}

int KORVAPrinter::countJobsSince(std::int64_t secondsSince1970) {
    return sumOverJobs([secondsSince1970](const std::vector<std::int64_t>& times) {
        return static_cast<int>(std::count_if(
            times.begin(), times.end(), [&](std::int64_t t) { return t >= secondsSince1970; }));
    });
}

bool KORVAPrinter::findJobSince(std::int64_t secondsSince1970) {
    return countJobsSince(secondsSince1970) > 0;
}

}  // namespace korva
