#include "cli/MatrixCommand.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>
#include <ostream>
#include <set>

#include "cli/CliSession.h"
#include "matrix/MatrixCommand.h"
#include "race/FileIo.h"
#include "race/KORVARaceDoc.h"
#include "ui/TextCase.h"

namespace korva {

namespace {

constexpr const char* kMatrixUsage =
    "usage: korva matrix FILE [OPTIONS]\n"
    "Builds the heat matrix of the race file FILE as the Build heat matrix command does, and\n"
    "saves the file when the build succeeds. Every message is written to standard error.\n"
    "  --end-round N         build up to round N (1..32; default: the form's default)\n"
    "  --begin-round N       first round to build for every chosen bracket\n"
    "  --begin-round B=N     first round to build for bracket B only\n"
    "  --brackets LIST       brackets to build, by number (0, 1, 2) or name (424, APRA, 426,\n"
    "                        Q40, ...), comma separated; default: every bracket offered\n"
    "  --no-inform           do not warn about pilots without waiver or payment\n"
    "  --seed N              seed of the random generator instead of the clock\n"
    "  --answer ID=ANSWER    answer message ID with yes, no, cancel or ok (default: yes)\n"
    "  --output OUT          save to OUT instead of FILE\n"
    "Exit status: 0 built and saved, 1 not built or not saved, 2 usage error.\n";

struct MatrixCliOptions {
    std::string file;
    std::string output;
    std::optional<int> endRound;
    std::optional<int> beginRound;
    std::map<std::string, int> bracketBegin;  // bracket as given -> begin round
    std::vector<std::string> brackets;
    bool inform = true;
    std::optional<std::uint32_t> seed;
    std::map<int, Answer> answers;
};

template <typename T>
bool parseNumber(const std::string& text, T& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && !text.empty();
}

std::vector<std::string> splitList(const std::string& text) {
    std::vector<std::string> items;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        if (comma > start) items.push_back(text.substr(start, comma - start));
        start = comma + 1;
    }
    return items;
}

std::optional<Answer> parseAnswer(const std::string& text) {
    static const std::map<std::string, Answer> kAnswers = {
        {"yes", Answer::Yes}, {"no", Answer::No}, {"cancel", Answer::Cancel}, {"ok", Answer::Ok}};
    const auto it = kAnswers.find(lowerCased(text));
    if (it == kAnswers.end()) return std::nullopt;
    return it->second;
}

// One option with its value; an error text when it is not understood.
std::optional<std::string> parseOption(const std::string& name, const std::string& value,
                                       MatrixCliOptions& o) {
    if (name == "--end-round" || name == "--rounds") {
        int n = 0;
        if (!parseNumber(value, n)) return "--end-round needs a number";
        o.endRound = n;
    } else if (name == "--begin-round") {
        const std::size_t eq = value.find('=');
        int n = 0;
        if (!parseNumber(eq == std::string::npos ? value : value.substr(eq + 1), n)) {
            return "--begin-round needs N or BRACKET=N";
        }
        if (eq == std::string::npos) {
            o.beginRound = n;
        } else {
            o.bracketBegin[value.substr(0, eq)] = n;
        }
    } else if (name == "--brackets") {
        o.brackets = splitList(value);
        if (o.brackets.empty()) return "--brackets needs a list";
    } else if (name == "--seed") {
        std::uint32_t n = 0;
        if (!parseNumber(value, n)) return "--seed needs a number from 0 to 4294967295";
        o.seed = n;
    } else if (name == "--answer") {
        const std::size_t eq = value.find('=');
        int id = 0;
        const auto answer =
            eq == std::string::npos ? std::nullopt : parseAnswer(value.substr(eq + 1));
        if (!answer || !parseNumber(value.substr(0, eq), id))
            return "--answer needs ID=yes|no|cancel|ok";
        o.answers[id] = *answer;
    } else if (name == "--output") {
        o.output = value;
    } else {
        return "unknown option " + name;
    }
    return std::nullopt;
}

std::optional<std::string> parseArgs(const std::vector<std::string>& args, MatrixCliOptions& o) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--no-inform") {
            o.inform = false;
        } else if (arg.rfind("--", 0) == 0) {
            const std::size_t eq = arg.find('=');
            std::string name = arg, value;
            if (eq != std::string::npos) {
                name = arg.substr(0, eq);
                value = arg.substr(eq + 1);
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                return arg + " needs a value";
            }
            if (auto error = parseOption(name, value, o)) return error;
        } else if (o.file.empty()) {
            o.file = arg;
        } else {
            return "one race file only";
        }
    }
    if (o.file.empty()) return "a race file is needed";
    if (o.output.empty()) o.output = o.file;
    return std::nullopt;
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

void reportBuilt(const KORVARaceDoc& doc, std::ostream& out) {
    const KORVARaceMatrix& rm = doc.raceMatrix;
    for (int b = 0; b < kBracketCount; ++b) {
        if (!rm.Selected[static_cast<std::size_t>(b)]) continue;
        const KORVAMatrix& m = rm.matrix(b);
        out << doc.classNameOf(m.ClassCode) << ": " << m.rounds.size() << " rounds, "
            << m.maxHeatCount() << " heats per round, " << m.LaneQuan << " lanes\n";
    }
}

}  // namespace

int matrixCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        out << kMatrixUsage;
        return 0;
    }
    MatrixCliOptions options;
    if (const auto error = parseArgs(args, options)) {
        err << "korva matrix: " << *error << "\n" << kMatrixUsage;
        return 2;
    }
    CliSession session(err);
    for (const auto& [id, answer] : options.answers) session.ui.setAnswer(id, answer);
    KORVARaceDoc doc(session.services);
    try {
        if (!fileExists(options.file))
            throw FileError("Cannot open " + options.file + ": no such file");
        doc.loadFile(options.file);
    } catch (...) {
        return reportLoadError(options.file, err);
    }
    GenerationOptions generation;
    generation.seed = options.seed;
    MatrixCommand command(doc, generation);
    CliMatrixForm form(doc, options, err);
    bool heatsChanged = false;
    if (!command.BuildMatrix(form, heatsChanged)) {
        err << "korva: the matrix was not built\n";
        return 1;
    }
    try {
        doc.writeFile(options.output);
    } catch (const std::exception& e) {
        err << "korva: cannot save " << options.output << ": " << e.what() << "\n";
        return 1;
    }
    reportBuilt(doc, out);
    return 0;
}

}  // namespace korva
