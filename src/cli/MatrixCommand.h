#pragma once
// `korva matrix FILE`: builds the heat matrix of a race file without a window.

namespace CLI {
class App;
}

namespace korva {

struct CliContext;

void addMatrixCommand(CLI::App& app, CliContext& context);

}  // namespace korva
