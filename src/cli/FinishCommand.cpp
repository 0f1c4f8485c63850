#include "cli/FinishCommand.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>

#include "cli/CliContext.h"
#include "cli/CliOptions.h"
#include "cli/CliSession.h"
#include "race/KORVARaceDoc.h"
#include "scoring/Finish.h"
#include "scoring/Standings.h"

namespace korva {

namespace {

struct FinishCliOptions {
    std::string file;
    AnswerMap answers;
};

int finish(const FinishCliOptions& o, std::ostream& err) {
    CliSession session(err, o.answers);
    KORVARaceDoc doc(session.services);
    if (!loadRaceFile(doc, o.file, err)) return 1;
    if (!canFinish(doc)) {
        err << "korva: nothing to finish: no round of a matrixed bracket is complete\n";
        return 1;
    }
    const bool wasFinished = doc.raceFinished != 0;
    RaceStandings standings(doc);
    if (!finishRace(standings)) {
        // No to finishing early takes back an earlier finish; that change is kept.
        if (!wasFinished) {
            err << "korva: the race was not finished\n";
            return 1;
        }
        err << "korva: the race is no longer marked finished\n";
    }
    return saveRace(doc, o.file, err) ? 0 : 1;
}

}  // namespace

void addFinishCommand(CLI::App& app, CliContext& context) {
    CLI::App* command =
        app.add_subcommand("finish", "finish the race, run its final standings and save");
    command->footer(
        "Runs Finish on the race file FILE: marks the race finished, runs the final standings\n"
        "and saves. Questions (answered Yes unless --answer ID=no is given):\n"
        "  70164  finish before all rounds are complete (No also takes back an earlier finish)\n"
        "  70152  ties in a class (Yes lists the pilots involved)\n"
        "  297    save reminder\n"
        "Exit status: 0 finished (or unmarked) and saved, 1 nothing to finish, answered No or\n"
        "not saved (the file is left as it was), 2 usage error.");
    auto options = std::make_shared<FinishCliOptions>();
    addRaceFileOption(*command, options->file);
    addAnswerOption(*command, options->answers);
    command->callback([options, &context] { context.status = finish(*options, context.err); });
}

}  // namespace korva
