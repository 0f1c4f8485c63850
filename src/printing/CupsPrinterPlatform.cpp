#include "printing/CupsPrinterPlatform.h"

#include <cups/cups.h>

#include <algorithm>
#include <cstdlib>

namespace korva {

namespace {

// The jobs of one printer, freed on every path.
class JobList {
public:
    JobList(const std::string& name, int which)
        : count_(cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs_, name.c_str(), 0, which)) {}
    ~JobList() { cupsFreeJobs(std::max(count_, 0), jobs_); }
    JobList(const JobList&) = delete;
    JobList& operator=(const JobList&) = delete;

    bool failed() const { return count_ < 0; }
    int count() const { return std::max(count_, 0); }
    const cups_job_t& operator[](int i) const { return jobs_[i]; }

private:
    cups_job_t* jobs_ = nullptr;
    int count_;
};

}  // namespace

PrinterEntry printerEntryOf(const cups_dest_s& dest) {
    PrinterEntry entry;
    entry.name = dest.name ? dest.name : "";
    entry.isDefault = dest.is_default != 0;
    const char* type = cupsGetOption("printer-type", dest.num_options, dest.options);
    entry.isDirect =
        type == nullptr || (std::strtoul(type, nullptr, 10) & CUPS_PRINTER_DISCOVERED) != 0;
    return entry;
}

std::optional<std::vector<PrinterEntry>> CupsPrinterPlatform::enumeratePrinters() {
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    // No destinations is an answer only when the scheduler gave it.
    if (count <= 0 && cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE) {
        cupsFreeDests(std::max(count, 0), dests);
        return std::nullopt;
    }
    std::vector<PrinterEntry> entries;
    for (int i = 0; i < count; ++i) {
        PrinterEntry entry = printerEntryOf(dests[i]);
        // Instances (saved option sets) print to their queue: list the queue once, default
        // when any of its instances is (libcups lists a queue's instances after it).
        if (!entries.empty() && entries.back().name == entry.name) {
            entries.back().isDefault = entries.back().isDefault || entry.isDefault;
            continue;
        }
        entries.push_back(std::move(entry));
    }
    cupsFreeDests(count, dests);
    return entries;
}

bool CupsPrinterPlatform::openPrinter(const std::string& name) {
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.c_str(), nullptr);
    if (dest == nullptr) return false;
    cupsFreeDests(1, dest);
    const std::lock_guard lock(mutex_);
    open_.insert(name);
    return true;
}

void CupsPrinterPlatform::closePrinter(const std::string& name) {
    const std::lock_guard lock(mutex_);
    open_.erase(name);
}

std::optional<std::vector<std::int64_t>> CupsPrinterPlatform::jobTimes(const std::string& name) {
    {
        const std::lock_guard lock(mutex_);
        if (open_.count(name) == 0) return std::nullopt;
    }
    // Finished jobs too: a page sent to a fast queue is done before the first poll.
    const JobList jobs(name, CUPS_WHICHJOBS_ALL);
    if (jobs.failed()) return std::nullopt;
    std::vector<std::int64_t> times;
    for (int i = 0; i < jobs.count(); ++i) times.push_back(jobs[i].creation_time);
    std::sort(times.begin(), times.end(), std::greater<>());
    if (times.size() > kMaxListedJobs) times.resize(kMaxListedJobs);
    return times;
}

std::optional<int> CupsPrinterPlatform::queuedJobCount(const std::string& name) {
    {
        const std::lock_guard lock(mutex_);
        if (open_.count(name) == 0) return std::nullopt;
    }
    const JobList jobs(name, CUPS_WHICHJOBS_ACTIVE);
    if (jobs.failed()) return std::nullopt;
    return jobs.count();
}

}  // namespace korva
