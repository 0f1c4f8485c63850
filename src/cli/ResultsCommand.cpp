#include "cli/ResultsCommand.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>

#include "cli/CliContext.h"
#include "cli/CliOptions.h"
#include "cli/CliResultForms.h"
#include "cli/CliSession.h"
#include "race/KORVARaceDoc.h"
#include "scoring/EnterResultsCommand.h"
#include "scoring/Standings.h"

namespace korva {

namespace {

struct ResultsCliOptions {
    std::string file;
    std::optional<int> bracket;
    std::optional<int> round;
    std::optional<int> heat;
    ResultsArguments given;
    AnswerMap answers;
};

constexpr const char* kFooter =
    "Enters the results of one heat of the race file FILE as the Enter Results form does: the\n"
    "lanes given replace what the form shows (a complete heat shows its stored results), the\n"
    "form's checks run, and the file is saved with the heat complete and the standings\n"
    "recomputed. A lane is L=FIN,M:SS.HH,CUTS (L 1..4), or L=M:SS.HH,INFR in an FAI race, or\n"
    "L=DNS or L=DNF. Every message and form goes to standard error.\n"
    "\n"
    "Questions (answered Yes unless --answer ID=no is given):\n"
    "  70125  the time for a lane appears to be too low\n"
    "  70129  all finish times are zero\n"
    "  70130  some times are zero and some are not\n"
    "  70131  the finish positions do not agree with the times\n"
    "  70152  ties in a class when the standings are final (Yes lists the pilots)\n"
    "  297    save reminder\n"
    "\n"
    "Exit status: 0 stored and saved, 1 refused by a check or a No, or not saved (the file is\n"
    "left as it was), 2 usage error.";

void addResultsOptions(CLI::App& command, ResultsCliOptions& o) {
    addRaceFileOption(command, o.file);
    addNumberOption(command, "--bracket", o.bracket, "bracket of the heat: 0, 1 or 2")->required();
    addNumberOption(command, "--round", o.round, "round of the heat, from 1")->required();
    addNumberOption(command, "--heat", o.heat, "heat within the round, from 1")->required();
    addRepeatedOption(
        command, "--lane", "L=SPEC",
        [](const std::string& text) -> std::string {
            if (laneEntryFor(text)) return {};
            const std::string shapes = "L=FIN,M:SS.HH,CUTS, L=M:SS.HH,INFR, L=DNS or L=DNF";
            return "needs " + shapes + " with L from 1 to 4, not '" + text + "'";
        },
        [&o](const std::string& text) {
            if (const auto entry = laneEntryFor(text)) o.given.lanes[entry->first] = entry->second;
        },
        "a lane's result (repeatable; lanes not given\nkeep what the form shows)");
    addRepeatedOption(
        command, "--points", "L=N",
        [](const std::string& text) -> std::string {
            if (lanePointsFor(text)) return {};
            return "needs L=N with L from 1 to 4, not '" + text + "'";
        },
        [&o](const std::string& text) {
            if (const auto points = lanePointsFor(text))
                o.given.points[points->first] = points->second;
        },
        "a lane's points in a race scored by hand\n(Manual; repeatable)");
    addAnswerOption(command, o.answers);
}

bool heatExists(const KORVARaceDoc& doc, int bracket, int round, int heat) {
    if (bracket < 0 || bracket >= kBracketCount || round < 1 || heat < 1) return false;
    const KORVARound* r = doc.raceMatrix.matrix(bracket).roundAt(round - 1);
    return r != nullptr && r->heatAt(heat - 1) != nullptr;
}

int runResults(const ResultsCliOptions& o, std::ostream& err) {
    CliSession session(err, o.answers);
    KORVARaceDoc doc(session.services);
    if (!loadRaceFile(doc, o.file, err)) return 1;
    const int bracket = *o.bracket;
    if (!heatExists(doc, bracket, *o.round, *o.heat)) {
        err << "korva: bracket " << bracket << " has no heat " << *o.heat << " in round "
            << *o.round << "\n";
        return 1;
    }
    RaceStandings standings(doc);
    CliResultForms forms(o.given, err);
    if (!enterResults(doc, forms, bracket, *o.round, *o.heat, resultEntryHooks(standings))) {
        err << "korva: the results were not stored\n";
        return 1;
    }
    return saveRace(doc, o.file, err) ? 0 : 1;
}

}  // namespace

void addResultsCommand(CLI::App& app, CliContext& context) {
    CLI::App* command =
        app.add_subcommand("results", "enter the results of a heat and save the race file");
    command->footer(kFooter);
    auto options = std::make_shared<ResultsCliOptions>();
    addResultsOptions(*command, *options);
    command->callback([options, &context] { context.status = runResults(*options, context.err); });
}

}  // namespace korva
