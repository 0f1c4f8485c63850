#pragma once
// `korva finish FILE`: finishes the race and runs its final standings.

namespace CLI {
class App;
}

namespace korva {

struct CliContext;

void addFinishCommand(CLI::App& app, CliContext& context);

}  // namespace korva
