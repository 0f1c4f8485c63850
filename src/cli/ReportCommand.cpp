#include "cli/ReportCommand.h"

#include <CLI/CLI.hpp>
#include <map>
#include <memory>
#include <optional>
#include <ostream>

#include "cli/CliContext.h"
#include "cli/CliOptions.h"
#include "cli/CliSession.h"
#include "printing/PdfPages.h"
#include "race/KORVARaceDoc.h"
#include "reports/AudiencePrograms.h"
#include "reports/FlyOffPage.h"
#include "reports/HtmlPrintQueue.h"
#include "reports/PrintHeats.h"
#include "reports/PrintPilots.h"
#include "scoring/Standings.h"
#include "ui/TextCase.h"

namespace korva {

namespace {

const std::map<std::string, HeatReport> kHeatKinds = {
    {"heat-cards", HeatReport::Cards},
    {"changed-heat-cards", HeatReport::ChangedCards},
    {"blank-heat-cards", HeatReport::BlankCards},
    {"heat-sheets", HeatReport::Sheets},
    {"heat-results", HeatReport::Results},
};
const std::vector<std::string> kOtherKinds = {"refly-card",   "pilot-cards",        "pilot-list",
                                              "heat-details", "spectator-programs", "fly-off"};

const std::map<std::string, WingFlags> kWingFlags = {
    {"none", WingFlags::DontDisplay},
    {"nose-left", WingFlags::NoseLeft},
    {"nose-up", WingFlags::NoseUp},
};
const std::map<std::string, SpectatorFontSize> kFontSizes = {
    {"small", SpectatorFontSize::Small},
    {"medium", SpectatorFontSize::Medium},
    {"large", SpectatorFontSize::Large},
};

struct ReportCliOptions {
    std::string file;
    std::string kind;
    std::vector<std::string> classes;
    std::optional<int> beginRound;
    std::optional<int> endRound;
    std::optional<std::string> printDate;
    std::optional<bool> icons;
    std::string wingFlags = "none";
    std::optional<int> pilot;
    std::string fontSize = "medium";
    int bracket = 0;
    std::optional<int> round;
    std::optional<int> heat;
    bool save = false;
    std::optional<std::string> pdf;
    bool grey = false;
};

// korva writes pages only; printing them is the program's business.
class NoPrinting final : public HtmlPrintQueue {
public:
    void QueueHtmlPrint(const std::string&) override {}
};

std::vector<std::string> kindNames() {
    std::vector<std::string> names;
    for (const auto& [name, report] : kHeatKinds) names.push_back(name);
    names.insert(names.end(), kOtherKinds.begin(), kOtherKinds.end());
    return names;
}

// The brackets named by number or class name, a bit each; nothing when a word names none.
std::optional<int> classBits(const KORVARaceDoc& doc, const std::vector<std::string>& words,
                             std::ostream& err) {
    if (words.empty()) return (1 << kBracketCount) - 1;
    int bits = 0;
    for (const std::string& word : words) {
        int found = -1;
        for (int b = 0; b < kBracketCount && found < 0; ++b) {
            if (word == std::to_string(b) || lowerCased(word) == lowerCased(doc.bracketName(b)))
                found = b;
        }
        if (found < 0) {
            err << "korva report: --classes: the race has no class '" << word << "'\n";
            return std::nullopt;
        }
        bits |= 1 << found;
    }
    return bits;
}

struct ReportJob {
    KORVARaceDoc& doc;
    const ReportCliOptions& o;
    int classes;
    NoPrinting queue;
};

std::optional<std::vector<std::string>> heatReport(ReportJob& job, HeatReport report) {
    HeatPrintChoice choice = defaultHeatPrint(job.doc, report, job.classes);
    PrintHeatsForm& f = choice.options;
    if (job.o.beginRound) f.beginRound = *job.o.beginRound;
    if (job.o.endRound) f.endRound = *job.o.endRound;
    if (job.o.printDate) f.printDate = *job.o.printDate;
    f.icons = job.o.icons.value_or(false);
    f.wingFlags = kWingFlags.at(job.o.wingFlags);
    choice.caption = "Heats - " + job.doc.raceTitle;
    if (!checkPrintHeats(job.doc.services().ui, f)) return std::nullopt;
    if (report == HeatReport::Results && job.o.pilot) {
        const DetailPilotsForm pilot{false, *job.o.pilot};
        if (!checkDetailPilots(job.doc.services().ui, job.doc, pilot)) return std::nullopt;
        choice.singlePilot = *job.o.pilot;
    }
    return PrintHeats(job.doc, job.queue, choice, true);
}

std::vector<std::string> reFlyCard(ReportJob& job) {
    const HeatPlace place{job.o.bracket, job.o.round.value_or(1) - 1, job.o.heat.value_or(1) - 1};
    return PrintReFlyCard(job.doc, job.queue, place, true);
}

std::vector<std::string> pilotReport(ReportJob& job) {
    PilotReportChoice choice = defaultPilotReport(job.doc);
    choice.classes = job.classes;
    if (job.o.printDate) choice.printDate = *job.o.printDate;
    choice.columns.icons = job.o.icons.value_or(true);
    if (job.o.kind == "pilot-cards") return PrintPilotCards(job.doc, job.queue, choice, true);
    if (job.o.kind == "pilot-list") return PrintPilotList(job.doc, job.queue, choice, true);
    return PrintPilotHeatDetails(job.doc, job.queue, choice, true);
}

std::vector<std::string> spectatorPrograms(ReportJob& job) {
    SpectatorChoice choice = defaultSpectatorPrograms(job.doc);
    choice.classes = job.classes;
    choice.fontSize = kFontSizes.at(job.o.fontSize);
    if (job.o.printDate) choice.printDate = *job.o.printDate;
    return PrintSpectatorPrograms(job.doc, job.queue, choice, true);
}

// A page for every chosen class that has tied pilots; none when nobody is tied.
std::vector<std::string> flyOffPages(ReportJob& job) {
    RaceStandings standings(job.doc);
    standings.rebuild();
    std::vector<std::string> written;
    for (int b = 0; b < kBracketCount; ++b) {
        if ((job.classes & (1 << b)) == 0 || !standings.bracket(b).matrixed) continue;
        const FlyOffInfo info = flyOffInfo(standings, b);
        if (info.rows.empty()) continue;
        for (std::string& path : PrintFlyOffInfo(job.doc, job.queue, info, true))
            written.push_back(std::move(path));
    }
    return written;
}

std::optional<std::vector<std::string>> writeReport(ReportJob& job) {
    const std::string& kind = job.o.kind;
    if (const auto heat = kHeatKinds.find(kind); heat != kHeatKinds.end())
        return heatReport(job, heat->second);
    if (kind == "refly-card") return reFlyCard(job);
    if (kind == "spectator-programs") return spectatorPrograms(job);
    if (kind == "fly-off") return flyOffPages(job);
    return pilotReport(job);
}

int printReport(const ReportCliOptions& o, std::ostream& out, std::ostream& err) {
    CliSession session(err);
    KORVARaceDoc doc(session.services);
    if (!loadRaceFile(doc, o.file, err)) return 1;
    const std::optional<int> classes = classBits(doc, o.classes, err);
    if (!classes) return kUsageStatus;
    ReportJob job{doc, o, *classes, {}};
    const std::optional<std::vector<std::string>> written = writeReport(job);
    if (!written) return kUsageStatus;
    for (const std::string& path : *written) out << path << "\n";
    if (written->empty()) {
        err << "korva report: nothing was written\n";
        return 1;
    }
    std::string why;
    if (o.pdf && !writePdf(*written, *o.pdf, PdfLook{o.grey}, why)) {
        err << "korva report: the PDF was not written: " << why << "\n";
        return 1;
    }
    // The matrix lock that printed heat cards set is kept on request; printing times live
    // only as long as the session, so changed-heat-cards writes every card here.
    if (o.save && !saveRace(doc, o.file, err)) return 1;
    return 0;
}

void addChoiceOption(CLI::App& command, const std::string& name, std::string& value,
                     const std::vector<std::string>& choices, const std::string& help) {
    command.add_option(name, value, help)->check(CLI::IsMember(choices))->type_name("WORD");
}

template <typename T>
std::vector<std::string> keysOf(const std::map<std::string, T>& map) {
    std::vector<std::string> keys;
    for (const auto& item : map) keys.push_back(item.first);
    return keys;
}

void addReportOptions(CLI::App& command, ReportCliOptions& o) {
    addRaceFileOption(command, o.file);
    command.add_option("KIND", o.kind, "the pages to write")
        ->required()
        ->type_name("")
        ->check(CLI::IsMember(kindNames()));
    command
        .add_option_function<std::string>(
            "--classes", [&o](const std::string& list) { o.classes = splitList(list); },
            "classes by number (0, 1, 2) or name, comma separated;\ndefault: every class")
        ->type_name("LIST");
    addNumberOption(command, "--begin-round", o.beginRound, "first round of heat pages");
    addNumberOption(command, "--end-round", o.endRound,
                    "last round of heat pages (default: the last\nround of the chosen classes)");
    command.add_option("--print-date", o.printDate, "date printed on the pages (default: today)")
        ->type_name("TEXT")
        ->check(CLI::Validator(
            [](std::string& date) -> std::string {
                if (date.size() <= kPrintDateMax) return {};
                return "at most " + std::to_string(kPrintDateMax) + " characters, not '" + date +
                       "'";
            },
            ""));
    command.add_flag_callback(
        "--icons", [&o] { o.icons = true; },
        "lane pictures on heat pages, status icons in the pilot list");
    command.add_flag_callback(
        "--no-icons", [&o] { o.icons = false; }, "neither");
    addChoiceOption(command, "--wing-flags", o.wingFlags, keysOf(kWingFlags),
                    "wing flags of heat sheets: none, nose-left, nose-up");
    addNumberOption(command, "--pilot", o.pilot, "heat-results of this pilot only");
    addChoiceOption(command, "--font-size", o.fontSize, keysOf(kFontSizes),
                    "spectator programs: small, medium, large");
    command.add_option("--bracket", o.bracket, "refly-card: the heat's bracket (0..2)")
        ->check(CLI::Range(0, kBracketCount - 1))
        ->type_name("B");
    addNumberOption(command, "--round", o.round, "refly-card: the heat's round (from 1)");
    addNumberOption(command, "--heat", o.heat, "refly-card: the heat (from 1)");
    command.add_flag("--save", o.save, "save FILE with the matrix lock that heat cards set")
        ->disable_flag_override();
    CLI::Option* pdf =
        command.add_option("--pdf", o.pdf, "also write the pages as one PDF, a page a sheet")
            ->type_name("FILE");
    command.add_flag("--grey", o.grey, "the PDF in black and white")
        ->disable_flag_override()
        ->needs(pdf);
}

}  // namespace

void addReportCommand(CLI::App& app, CliContext& context) {
    CLI::App* command = app.add_subcommand("report", "write a race's pages into its html folder");
    command->footer(
        "Writes the KIND pages into the html folder beside FILE, as quick print's html output\n"
        "does, and prints each path written; printing them is the program's business.\n"
        "Each run is a new session: changed-heat-cards writes every card.\n"
        "--pdf FILE also lays the pages out as printed, one sheet each, into FILE.\n"
        "Exit status: 0 pages written, 1 nothing written (no html folder, no heat, no tie)\n"
        "or the PDF not written, 2 usage error.");
    auto options = std::make_shared<ReportCliOptions>();
    addReportOptions(*command, *options);
    command->callback(
        [options, &context] { context.status = printReport(*options, context.out, context.err); });
}

}  // namespace korva
