#pragma once
// `korva import FILE CSV`: pilots from a comma-separated file into one bracket of a race.

namespace CLI {
class App;
}

namespace korva {

struct CliContext;

void addImportCommand(CLI::App& app, CliContext& context);

}  // namespace korva
