#pragma once
// `korva export FILE --sort points|time`: the pilots with places, scores and times as a
// comma-separated file, as the pilot list exports them.

namespace CLI {
class App;
}

namespace korva {

struct CliContext;

void addExportCommand(CLI::App& app, CliContext& context);

}  // namespace korva
