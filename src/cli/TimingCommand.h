#pragma once
// `korva timing FILE`: writes the timing program's files of every matrixed bracket.

namespace CLI {
class App;
}

namespace korva {

struct CliContext;

void addTimingCommand(CLI::App& app, CliContext& context);

}  // namespace korva
