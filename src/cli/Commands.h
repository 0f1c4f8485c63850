#pragma once
// The `korva` command-line tool: each command takes its arguments and two streams.

#include <iosfwd>
#include <string>
#include <vector>

namespace korva {

// Runs `korva ARGS...`; returns the exit status.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace korva
