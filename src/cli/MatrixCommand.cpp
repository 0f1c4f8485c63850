#include "cli/MatrixCommand.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <set>

#include "cli/CliContext.h"
#include "cli/CliOptions.h"
#include "cli/CliSession.h"
#include "matrix/MatrixCommand.h"
#include "race/KORVARaceDoc.h"
#include "ui/TextCase.h"

namespace korva {

namespace {

struct MatrixCliOptions {
    std::string file;
    std::string output;
    std::optional<int> endRound;
    std::optional<int> beginRound;
    std::map<std::string, int> bracketBegin;  // bracket as given -> begin round
    std::vector<std::string> brackets;
    bool inform = true;
    std::optional<std::uint32_t> seed;
    AnswerMap answers;
};

// "--begin-round N" for every bracket or "--begin-round B=N" for one; the last one given wins.
void addBeginRound(MatrixCliOptions& o, const std::string& value) {
    const std::size_t eq = value.find('=');
    const auto round = wholeNumber(eq == std::string::npos ? value : value.substr(eq + 1));
    if (!round) return;
    if (eq == std::string::npos) {
        o.beginRound = *round;
    } else {
        o.bracketBegin[value.substr(0, eq)] = *round;
    }
}

void addMatrixOptions(CLI::App& command, MatrixCliOptions& o) {
    addRaceFileOption(command, o.file);
    addNumberOption(command, "--end-round,--rounds", o.endRound,
                    "build up to round N (1..32; default: the form's default)");
    command
        .add_option_function<std::vector<std::string>>(
            "--begin-round",
            [&o](const std::vector<std::string>& values) {
                for (const std::string& value : values) addBeginRound(o, value);
            },
            "first round to build: N for every chosen bracket,\nB=N for bracket B only")
        ->option_text("[B=]N")
        ->allow_extra_args(false)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
        ->check(CLI::Validator(
            [](std::string& value) -> std::string {
                const std::size_t eq = value.find('=');
                if (wholeNumber(eq == std::string::npos ? value : value.substr(eq + 1))) return {};
                return "needs N or BRACKET=N, not '" + value + "'";
            },
            ""));
    command
        .add_option_function<std::string>(
            "--brackets", [&o](const std::string& list) { o.brackets = splitList(list); },
            "brackets to build, by number (0, 1, 2) or name (424,\nAPRA, 426, Q40, ...), comma "
            "separated;\ndefault: every bracket offered")
        ->type_name("LIST")
        ->check(CLI::Validator(
            [](std::string& list) -> std::string {
                return splitList(list).empty() ? "needs a list" : "";
            },
            ""));
    command
        .add_flag_callback(
            "--no-inform", [&o] { o.inform = false; },
            "do not warn about pilots without waiver or payment")
        ->disable_flag_override();
    addNumberOption(command, "--seed", o.seed, "seed of the random generator instead of the clock");
    addAnswerOption(command, o.answers,
                    "answer message ID with yes, no, cancel or ok\n(repeatable; default: yes)");
    command.add_option("--output", o.output, "save to OUT instead of FILE")->type_name("OUT");
}

// The bracket a user's word names: its number, or its name or form label.
int bracketNamed(const KORVARaceDoc& doc, const MatrixForm& form, const std::string& word) {
    for (int b = 0; b < kBracketCount; ++b) {
        if (word == std::to_string(b) || lowerCased(word) == lowerCased(doc.bracketName(b)) ||
            lowerCased(word) == lowerCased(form.rows[static_cast<std::size_t>(b)].label)) {
            return b;
        }
    }
    return -1;
}

// Answers the Matrix form from the command line. A refused form cannot be corrected
// without a user, so a second look at it cancels.
class CliMatrixForm final : public MatrixFormUser {
public:
    CliMatrixForm(const KORVARaceDoc& doc, const MatrixCliOptions& o, std::ostream& err)
        : doc_(doc), o_(o), err_(err) {}

    std::optional<MatrixForm> editMatrixForm(const MatrixForm& shown) override {
        if (shown.focus != MatrixFormField::None) return std::nullopt;
        if (std::none_of(shown.rows.begin(), shown.rows.end(),
                         [](const MatrixFormRow& row) { return row.visible; })) {
            err_ << "korva: nothing to build: no bracket has two pilots ready to race\n";
            return std::nullopt;
        }
        MatrixForm form = shown;
        std::set<int> chosen;
        for (const std::string& word : o_.brackets) {
            const int b = bracketNamed(doc_, form, word);
            if (b < 0 || !form.rows[static_cast<std::size_t>(b)].visible) {
                err_ << "korva: bracket " << word << " is not offered for a matrix"
                     << " (unknown, or fewer than 2 pilots)\n";
                return std::nullopt;
            }
            chosen.insert(b);
        }
        for (int b = 0; b < kBracketCount; ++b) {
            MatrixFormRow& row = form.rows[static_cast<std::size_t>(b)];
            if (!row.visible) continue;
            row.ticked = o_.brackets.empty() || chosen.contains(b);
            if (o_.beginRound) row.beginRound = *o_.beginRound;
        }
        for (const auto& [word, round] : o_.bracketBegin) {
            const int b = bracketNamed(doc_, form, word);
            if (b < 0) {
                err_ << "korva: unknown bracket " << word << "\n";
                return std::nullopt;
            }
            form.rows[static_cast<std::size_t>(b)].beginRound = round;
        }
        if (o_.endRound) form.endRound = *o_.endRound;
        if (form.informVisible) form.inform = o_.inform;
        describe(form);
        return form;
    }

private:
    void describe(const MatrixForm& form) const {
        err_ << "[Matrix]";
        for (const MatrixFormRow& row : form.rows) {
            if (row.visible && row.ticked)
                err_ << " " << row.label << " from round " << row.beginRound << ";";
        }
        err_ << " End Round " << form.endRound << "\n";
    }

    const KORVARaceDoc& doc_;
    const MatrixCliOptions& o_;
    std::ostream& err_;
};

// Only what was built: a locked bracket has no class code to name it by.
void reportBuilt(const KORVARaceDoc& doc, const MatrixCommand& command, std::ostream& out) {
    for (int b = 0; b < kBracketCount; ++b) {
        if (!command.built(b)) continue;
        const KORVAMatrix& m = doc.raceMatrix.matrix(b);
        out << doc.classNameOf(m.ClassCode) << ": " << m.rounds.size() << " rounds, "
            << m.maxHeatCount() << " heats per round, " << m.LaneQuan << " lanes\n";
    }
}

int runMatrix(MatrixCliOptions& options, std::ostream& out, std::ostream& err) {
    if (options.output.empty()) options.output = options.file;
    CliSession session(err, options.answers);
    KORVARaceDoc doc(session.services);
    if (!loadRaceFile(doc, options.file, err)) return 1;
    GenerationOptions generation;
    generation.seed = options.seed;
    MatrixCommand command(doc, generation);
    CliMatrixForm form(doc, options, err);
    bool heatsChanged = false;
    if (!command.BuildMatrix(form, heatsChanged)) {
        err << "korva: the matrix was not built\n";
        return 1;
    }
    bool anyBuilt = false;
    for (int b = 0; b < kBracketCount; ++b) anyBuilt = anyBuilt || command.built(b);
    if (!anyBuilt) {
        err << "korva: nothing was built: every chosen bracket is locked (unlock it in the race"
               " properties)\n";
        return 1;
    }
    if (!saveRace(doc, options.output, err)) return 1;
    reportBuilt(doc, command, out);
    return 0;
}

}  // namespace

void addMatrixCommand(CLI::App& app, CliContext& context) {
    CLI::App* command =
        app.add_subcommand("matrix", "build the heat matrix of a race file and save it");
    command->footer(
        "Builds the heat matrix of the race file FILE as the Build heat matrix command does, and\n"
        "saves the file when the build succeeds. Every message is written to standard error.\n"
        "Exit status: 0 built and saved, 1 not built or not saved, 2 usage error.");
    auto options = std::make_shared<MatrixCliOptions>();
    addMatrixOptions(*command, *options);
    command->callback(
        [options, &context] { context.status = runMatrix(*options, context.out, context.err); });
}

}  // namespace korva
