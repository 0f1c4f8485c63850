#pragma once
// `korva resave IN OUT`: loads a race file of any layout and saves it in the current one.

namespace CLI {
class App;
}

namespace korva {

struct CliContext;

void addResaveCommand(CLI::App& app, CliContext& context);

}  // namespace korva
