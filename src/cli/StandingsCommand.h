#pragma once
// `korva standings FILE`: prints the standings of a race as JSON.

namespace CLI {
class App;
}

namespace korva {

struct CliContext;

void addStandingsCommand(CLI::App& app, CliContext& context);

}  // namespace korva
