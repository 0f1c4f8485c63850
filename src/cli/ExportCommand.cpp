#include "cli/ExportCommand.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>

#include "cli/CliContext.h"
#include "cli/CliOptions.h"
#include "cli/CliSession.h"
#include "race/KORVARaceDoc.h"
#include "scoring/Standings.h"
#include "views/PilotListRows.h"
#include "views/ResultsExport.h"

namespace korva {

namespace {

struct ExportCliOptions {
    std::string file;
    std::string sort = "points";
};

int exportResults(const ExportCliOptions& o, std::ostream& out, std::ostream& err) {
    CliSession session(err);
    KORVARaceDoc doc(session.services);
    if (!loadRaceFile(doc, o.file, err)) return 1;
    // Totals and times only: a full computation would clear the fly-off points typed in.
    RaceStandings standings(doc);
    PilotListRows list(doc, standings);
    list.refill();
    list.setSortColumn(o.sort == "time" ? PilotColumn::LowTime : PilotColumn::Points);
    if (!exportPilots(doc, list)) return 1;
    out << exportFilePath(doc) << "\n";
    return 0;
}

}  // namespace

void addExportCommand(CLI::App& app, CliContext& context) {
    CLI::App* command = app.add_subcommand(
        "export", "export the pilots with places, scores and times as a CSV file");
    command->footer(
        "Writes the pilot list of FILE, sorted by points or by time, with each class's heading,\n"
        "places, scores and times to NAME_export.csv beside FILE, and prints its path. Saves\n"
        "nothing in FILE.\n"
        "Exit status: 0 written, 1 the race could not be read or the file not written (a\n"
        "previous export stays as it was), 2 usage error.");
    auto options = std::make_shared<ExportCliOptions>();
    addRaceFileOption(*command, options->file);
    command->add_option("--sort", options->sort, "the pilot list's order: points or time")
        ->check(CLI::IsMember({"points", "time"}))
        ->capture_default_str();
    command->callback([options, &context] {
        context.status = exportResults(*options, context.out, context.err);
    });
}

}  // namespace korva
