#include "cli/TimingCommand.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>

#include "cli/CliContext.h"
#include "cli/CliOptions.h"
#include "cli/CliSession.h"
#include "race/KORVARaceDoc.h"
#include "scoring/TimingFile.h"

namespace korva {

namespace {

int writeTimingFiles(const std::string& file, std::ostream& out, std::ostream& err) {
    CliSession session(err);
    KORVARaceDoc doc(session.services);
    if (!loadRaceFile(doc, file, err)) return 1;
    bool anyMatrix = false;
    for (int b = 0; b < kBracketCount; ++b) anyMatrix |= doc.raceMatrix.matrix(b).hasRounds();
    if (!anyMatrix) {
        err << "korva: no bracket of " << file << " has a matrix; no timing file written\n";
        return 1;
    }
    const bool written = outputTimingSystemFile(doc);
    if (written) {
        for (int b = 0; b < kBracketCount; ++b) {
            if (doc.raceMatrix.matrix(b).hasRounds()) out << timingFilePath(doc, b) << "\n";
        }
    }
    // From now on the race wants the files after every build and swap; that is kept with it.
    if (doc.isModified() && !saveRace(doc, file, err)) return 1;
    return written ? 0 : 1;
}

}  // namespace

void addTimingCommand(CLI::App& app, CliContext& context) {
    CLI::App* command =
        app.add_subcommand("timing", "write the timing system files of every matrixed bracket");
    command->footer(
        "Writes one file per matrixed bracket of FILE for the timing program, beside FILE, and\n"
        "lists the files written. The race from then on wants the files rewritten after every\n"
        "matrix build and swap; FILE is saved when that is new.\n"
        "Exit status: 0 every file written, 1 no matrix, a file not written or the race not\n"
        "saved (a file that fails keeps its previous content), 2 usage error.");
    auto file = std::make_shared<std::string>();
    addRaceFileOption(*command, *file);
    command->callback(
        [file, &context] { context.status = writeTimingFiles(*file, context.out, context.err); });
}

}  // namespace korva
