#include "cli/StandingsCommand.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/CliContext.h"
#include "cli/CliOptions.h"
#include "cli/CliSession.h"
#include "race/KORVARaceDoc.h"
#include "race/TextCodec.h"
#include "scoring/Standings.h"

namespace korva {

namespace {

using Json = nlohmann::ordered_json;  // keys in the order they are documented

struct StandingsCliOptions {
    std::string file;
    bool final = false;
};

Json entryJson(const KORVARaceDoc& doc, const StandingsEntry& e) {
    const KORVAPilot* pilot = doc.pilotByNumber(e.pilot);
    return {{"pilot", e.pilot},
            {"total", e.total},
            {"bestTime", e.bestTime},
            {"bestTimeCut", e.bestTimeCut},
            {"channel", e.channel},
            {"lane", e.lane},
            {"tied", e.tied},
            {"channelConflict", e.channelConflict},
            {"laneConflict", e.laneConflict},
            {"flyOffPoints", pilot ? pilot->flyOffPoints : -1}};
}

Json standingsJson(const RaceStandings& standings) {
    Json brackets = Json::array();
    for (int b = 0; b < kBracketCount; ++b) {
        const BracketStandings& s = standings.bracket(b);
        if (!s.matrixed) continue;
        Json list = Json::array();
        for (const StandingsEntry& e : s.entries) list.push_back(entryJson(standings.doc(), e));
        brackets.push_back({{"bracket", b},
                            {"className", cp1252ToUtf8(s.className)},
                            {"completedRounds", s.completedRounds},
                            {"listed", s.listed()},
                            {"ties", s.ties},
                            {"pilotsInvolved", s.pilotsInvolved},
                            {"channelConflicts", s.channelConflicts},
                            {"laneConflicts", s.laneConflicts},
                            {"standings", std::move(list)}});
    }
    return {{"totalTies", standings.totalTies()}, {"brackets", std::move(brackets)}};
}

int printStandings(const StandingsCliOptions& o, std::ostream& out, std::ostream& err) {
    CliSession session(err);
    KORVARaceDoc doc(session.services);
    if (!loadRaceFile(doc, o.file, err)) return 1;
    RaceStandings standings(doc);
    // What the computation changes in the race (fly-off entries, the tie count) is not saved.
    if (o.final) {
        recomputeStandings(standings, true);
    } else {
        standings.rebuild();
    }
    out << standingsJson(standings).dump(2) << "\n";
    return 0;
}

}  // namespace

void addStandingsCommand(CLI::App& app, CliContext& context) {
    CLI::App* command =
        app.add_subcommand("standings", "print the standings of a race file as JSON");
    command->footer(
        "Prints the standings of every matrixed bracket of FILE as JSON: totals, best times,\n"
        "ties and conflicts, in standings order. Saves nothing. With --final the messages of the\n"
        "final standings go to standard error, each question answered Yes.");
    auto options = std::make_shared<StandingsCliOptions>();
    addRaceFileOption(*command, options->file);
    command->add_flag("--final", options->final, "run the final standings with their messages")
        ->disable_flag_override();
    command->callback([options, &context] {
        context.status = printStandings(*options, context.out, context.err);
    });
}

}  // namespace korva
