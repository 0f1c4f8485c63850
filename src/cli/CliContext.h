#pragma once
// What a `korva` command gets from the tool when it runs: the two streams, and where it
// leaves its exit status.

#include <iosfwd>

namespace korva {

// Exit status of a command line the tool did not understand.
inline constexpr int kUsageStatus = 2;

struct CliContext {
    std::ostream& out;  // what the command produces: JSON, summaries
    std::ostream& err;  // every message, question and answer, and every error
    int status = 0;     // 0 done, 1 refused or failed (files untouched)
};

}  // namespace korva
