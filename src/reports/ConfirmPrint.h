#pragma once
// Asked before a report run writes anything: print the pages now or keep them, and the
// reminder of which paper to load.

#include <cstdint>
#include <string>

namespace korva {

class PrintForms;

// True when the run may go on; then bit 0 of `printOptions` says whether to print. Cancel
// returns false and leaves the options as they were.
bool ConfirmPrint(std::uint32_t& printOptions, const std::string& paperName, PrintForms& forms);

}  // namespace korva
