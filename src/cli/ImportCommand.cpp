#include "cli/ImportCommand.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <optional>
#include <ostream>

#include "cli/CliContext.h"
#include "cli/CliOptions.h"
#include "cli/CliSession.h"
#include "race/KORVARaceDoc.h"
#include "registration/CsvImport.h"
#include "registration/CsvImportForms.h"

namespace korva {

namespace {

struct ImportCliOptions {
    std::string file;
    std::string csv;
    std::optional<int> bracket;
    AnswerMap answers;
};

// The import's forms answered from the command line.
class CliImportForms final : public CsvImportForms {
public:
    explicit CliImportForms(const ImportCliOptions& o) : o_(o) {}

    std::optional<CsvFileForm> openCsvFile(const CsvFileForm& form) override {
        CsvFileForm out = form;
        out.path = o_.csv;
        return out;
    }
    std::optional<ImportBracketForm> selectImportBracket(const ImportBracketForm& form) override {
        if (!o_.bracket) {
            bracketMissing = true;
            return std::nullopt;
        }
        ImportBracketForm out = form;
        out.chosen = *o_.bracket;
        return out;
    }

    bool bracketMissing = false;

private:
    const ImportCliOptions& o_;
};

int importCsv(const ImportCliOptions& o, std::ostream& err) {
    CliSession session(err, o.answers);
    KORVARaceDoc doc(session.services);
    if (!loadRaceFile(doc, o.file, err)) return 1;
    if (o.bracket && !doc.bracketUsed(*o.bracket)) {
        err << "korva: the race has no bracket " << *o.bracket << "\n";
        return 1;
    }
    CliImportForms forms(o);
    if (!importPilots(doc, forms)) {
        if (forms.bracketMissing) {
            err << "korva import: the race has several brackets; choose one with --bracket\n";
            return kUsageStatus;
        }
        err << "korva: no pilot was imported; " << o.file << " is left as it was\n";
        return 1;
    }
    return saveRace(doc, o.file, err) ? 0 : 1;
}

constexpr const char* kFooter =
    "Imports the pilots of the comma-separated file CSV into FILE and saves it when at least\n"
    "one pilot was imported. The first line of CSV is a heading; each further line holds the\n"
    "pilot ID, last name, first name, team number (the channel) and category. Each pilot gets a\n"
    "plane \"Unknown\". A race of several brackets needs --bracket.\n"
    "Questions about a refused line (answered Yes, which skips the line and goes on, unless\n"
    "--answer ID=no is given, which stops the import there):\n"
    "  70523  fewer than 8 items        70524  no pilot ID\n"
    "  70525  no last name              70526  no first name\n"
    "  70527  team number outside the channel bands\n"
    "  70531  team number not a number  418    channel limit reached\n"
    "  70528  pilot ID already in the bracket\n"
    "  70529  same pilot with a new ID  70530  character the race file cannot keep\n"
    "  297    save reminder\n"
    "Exit status: 0 pilots imported and saved, 1 nothing imported or not saved (FILE is left as\n"
    "it was), 2 usage error.";

}  // namespace

void addImportCommand(CLI::App& app, CliContext& context) {
    CLI::App* command =
        app.add_subcommand("import", "import pilots from a CSV file and save the race file");
    command->footer(kFooter);
    auto options = std::make_shared<ImportCliOptions>();
    addRaceFileOption(*command, options->file);
    command->add_option("CSV", options->csv, "the pilots, comma separated")
        ->required()
        ->type_name("");
    addNumberOption(*command, "--bracket", options->bracket,
                    "bracket to import into: 0 (424), 1 (426)\nor 2 (third class)")
        ->check(CLI::Range(0, kBracketCount - 1));
    addAnswerOption(*command, options->answers);
    command->callback([options, &context] { context.status = importCsv(*options, context.err); });
}

}  // namespace korva
