#pragma once
// The printer spooler as the printer monitor sees it.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace korva {

struct PrinterEntry {
    std::string name;
    bool isDefault = false;
    bool isDirect = false;
};

class PrinterPlatform {
public:
    virtual ~PrinterPlatform() = default;
    // Local and connected printers in enumeration order; nullopt when enumeration fails.
    virtual std::optional<std::vector<PrinterEntry>> enumeratePrinters() = 0;
    virtual bool openPrinter(const std::string& name) = 0;
    virtual void closePrinter(const std::string& name) = 0;
    // Submission times (seconds since 1970) of up to 1024 jobs, finished ones included: a
    // page printed by a fast queue must still be found by the next poll. nullopt on failure.
    virtual std::optional<std::vector<std::int64_t>> jobTimes(const std::string& name) = 0;
    // Jobs still waiting or printing: what the status line counts.
    virtual std::optional<int> queuedJobCount(const std::string& name) = 0;
};

}  // namespace korva
