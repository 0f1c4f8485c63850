#pragma once
// The `korva` tool: the top of its command line. Each command adds itself to app() with its
// own registration function (see main.cpp); run() parses, runs the chosen command and
// returns the exit status.

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "cli/CliContext.h"

namespace CLI {
class App;
}

namespace korva {

class CliTool {
public:
    CliTool(std::ostream& out, std::ostream& err);
    ~CliTool();
    CliTool(const CliTool&) = delete;
    CliTool& operator=(const CliTool&) = delete;

    CLI::App& app() { return *app_; }
    CliContext& context() { return context_; }

    // ARGS without the program name. Help goes to the output stream with status 0; a
    // command line not understood gets one sentence on the error stream and kUsageStatus.
    // Once per tool: the commands keep the option values they were given.
    int run(const std::vector<std::string>& args);

private:
    std::unique_ptr<CLI::App> app_;
    CliContext context_;
};

}  // namespace korva
