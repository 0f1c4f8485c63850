#pragma once
// The printer spooler through libcups: its destinations and their jobs. Talks to the
// scheduler libcups is set up for (CUPS_SERVER, client.conf), like every CUPS client.
//
// "Direct" printers: a destination the scheduler reported as one of its queues carries its
// printer-type; one discovered on the network that has no queue yet carries none (or the
// discovered bit). Its jobs would never show in a queue list here, so waiting on it is
// pointless: such destinations are direct, and the monitor skips them unless default.

#include <mutex>
#include <set>

#include "reports/print/PrinterPlatform.h"

struct cups_dest_s;

namespace korva {

// A destination as the monitor sees it: its queue's name (an instance prints to its queue).
PrinterEntry printerEntryOf(const cups_dest_s& dest);

// The jobs the monitor looks at, newest first when the spooler lists more.
inline constexpr std::size_t kMaxListedJobs = 1024;

// Called from the print worker and from the user-interface thread: libcups keeps its
// connection per thread, and the set of open printers is guarded here.
class CupsPrinterPlatform final : public PrinterPlatform {
public:
    std::optional<std::vector<PrinterEntry>> enumeratePrinters() override;
    bool openPrinter(const std::string& name) override;
    void closePrinter(const std::string& name) override;
    std::optional<std::vector<std::int64_t>> jobTimes(const std::string& name) override;
    std::optional<int> queuedJobCount(const std::string& name) override;

private:
    std::mutex mutex_;
    std::set<std::string> open_;
};

}  // namespace korva
