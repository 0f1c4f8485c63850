#pragma once
// `korva results FILE`: enters the results of one heat as the Enter Results form does.

namespace CLI {
class App;
}

namespace korva {

struct CliContext;

void addResultsCommand(CLI::App& app, CliContext& context);

}  // namespace korva
