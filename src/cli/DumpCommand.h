#pragma once
// `korva dump FILE`: a race file or a pilot master file as JSON on standard output.

namespace CLI {
class App;
}

namespace korva {

struct CliContext;

void addDumpCommand(CLI::App& app, CliContext& context);

}  // namespace korva
