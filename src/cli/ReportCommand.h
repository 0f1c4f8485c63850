#pragma once
// `korva report FILE KIND`: writes a race's printed pages into its html folder without any
// dialog, and prints the paths written.

namespace CLI {
class App;
}

namespace korva {

struct CliContext;

void addReportCommand(CLI::App& app, CliContext& context);

}  // namespace korva
