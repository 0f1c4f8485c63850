#include "cli/ResaveCommand.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>

#include "cli/CliContext.h"
#include "cli/CliSession.h"
#include "race/KORVARaceDoc.h"

namespace korva {

namespace {

struct ResavePaths {
    std::string in, out;
};

int resave(const ResavePaths& paths, std::ostream& err) {
    CliSession session(err);
    KORVARaceDoc doc(session.services);
    if (!loadRaceFile(doc, paths.in, err) || !saveRace(doc, paths.out, err)) return 1;
    return 0;
}

}  // namespace

void addResaveCommand(CLI::App& app, CliContext& context) {
    CLI::App* command = app.add_subcommand(
        "resave", "load a race file (any older layout) and save it in the current layout");
    auto paths = std::make_shared<ResavePaths>();
    command->add_option("IN", paths->in, "the race file to read")->required()->type_name("");
    command->add_option("OUT", paths->out, "where to save it (may be IN)")
        ->required()
        ->type_name("");
    command->callback([paths, &context] { context.status = resave(*paths, context.err); });
}

}  // namespace korva
