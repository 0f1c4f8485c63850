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
    // Submission times (seconds since 1970) of up to 1024 jobs; nullopt on failure.
    virtual std::optional<std::vector<std::int64_t>> jobTimes(const std::string& name) = 0;
};

}  // namespace korva
