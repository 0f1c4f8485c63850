#include "registration/CsvImport.h"

#include <charconv>
#include <string>
#include <vector>

#include "race/FileIo.h"
#include "race/KORVARaceDoc.h"
#include "race/TextCodec.h"
#include "registration/CsvImportForms.h"
#include "registration/CsvLines.h"
#include "registration/RegistrationChecks.h"
#include "registration/RegistrationSteps.h"
#include "ui/FormChecks.h"
#include "ui/Messages.h"

namespace korva {

namespace {

namespace id {
constexpr int kChannelLimit = 418;
constexpr int kImported = 425;
constexpr int kNoneImported = 427;
constexpr int kCannotOpen = 428;
constexpr int kNoSuchFile = 429;
constexpr int kNoBracket = 600;
constexpr int kFileTitle = 70520;
constexpr int kBracketTitle = 70521;
constexpr int kEmptyFile = 70522;
constexpr int kTooFewItems = 70523;
constexpr int kNoId = 70524;
constexpr int kNoLastName = 70525;
constexpr int kNoFirstName = 70526;
constexpr int kBadTeam = 70527;
constexpr int kDuplicateId = 70528;
constexpr int kDuplicatePerson = 70529;
constexpr int kUnmappable = 70530;
constexpr int kTeamNotNumber = 70531;
}  // namespace id

// The file's name as the system spells it (UTF-8), not race text.
template <typename... Args>
void showPathMessage(Interaction& ui, int message, Icon icon, const Args&... args) {
    showUtf8Message(ui, message, icon, Buttons::Ok, Answer::Ok, args...);
}

enum class LineOutcome { Imported, Discarded, Stop };

// A refused line: the user says whether the import goes on without it.
template <typename... Args>
LineOutcome refuse(Interaction& ui, int message, const Args&... args) {
    return askYesNo(ui, message, Icon::Question, Answer::Yes, args...) ? LineOutcome::Discarded
                                                                       : LineOutcome::Stop;
}

// The team number as a whole decimal number; nothing for any other text.
std::optional<int> teamNumber(const std::string& item) {
    int value = 0;
    const char* end = item.data() + item.size();
    const auto [at, error] = std::from_chars(item.data(), end, value);
    if (item.empty() || error != std::errc() || at != end) return std::nullopt;
    return value;
}

class LineImporter {
public:
    LineImporter(KORVARaceDoc& doc, int classIndex)
        : doc_(doc),
          ui_(doc.services().ui),
          classIndex_(classIndex),
          bracket_(bracketOfClass(classIndex)) {}

    LineOutcome import(const std::string& raw, bool utf8, int line);
    int imported() const { return imported_; }

private:
    LineOutcome check(const std::vector<std::string>& items, int line);
    LineOutcome checkDuplicates(const KORVAPilot& pilot, int line);
    KORVAPilot newPilot(const std::vector<std::string>& items, int channel, std::int32_t number);
    void add(const KORVAPilot& pilot);

    KORVARaceDoc& doc_;
    Interaction& ui_;
    int classIndex_;
    int bracket_;
    int imported_ = 0;
};

LineOutcome LineImporter::import(const std::string& raw, bool utf8, int line) {
    if (!utf8) return check(importItems(raw), line);
    std::string text;
    char32_t unmapped = 0;
    // A character the race file cannot hold is refused, never replaced by a guess.
    if (!utf8ToCp1252Exact(raw, text, unmapped)) {
        return refuse(ui_, id::kUnmappable, line, static_cast<unsigned>(unmapped));
    }
    return check(importItems(text), line);
}

LineOutcome LineImporter::check(const std::vector<std::string>& items, int line) {
    if (items.size() < kImportItems) {
        return refuse(ui_, id::kTooFewItems, line, static_cast<int>(kImportItems));
    }
    if (items[0].empty()) return refuse(ui_, id::kNoId, line);
    if (items[1].empty()) return refuse(ui_, id::kNoLastName, line);
    if (items[2].empty()) return refuse(ui_, id::kNoFirstName, line);
    const std::optional<int> channel = teamNumber(items[3]);
    if (!channel) return refuse(ui_, id::kTeamNotNumber, line, items[3]);
    if (!channelInBands(*channel)) return refuse(ui_, id::kBadTeam, line, *channel);
    const int limit = doc_.channelLimit[static_cast<std::size_t>(bracket_)];
    if (limit != 0 && activePilotsOnChannel(doc_, bracket_, *channel, 0) >= limit) {
        return refuse(ui_, id::kChannelLimit, line, *channel, limit);
    }
    // One above the highest number in use: a count of pilots collides after a deletion.
    const std::int32_t number = doc_.nextPilotNumber();
    if (number == 0) {
        showError(ui_, str::kNoFreePilotNumber, KORVAPilot::kMaxPilotNumber);
        return LineOutcome::Stop;
    }
    const KORVAPilot pilot = newPilot(items, *channel, number);
    const LineOutcome duplicate = checkDuplicates(pilot, line);
    if (duplicate != LineOutcome::Imported) return duplicate;
    add(pilot);
    return LineOutcome::Imported;
}

LineOutcome LineImporter::checkDuplicates(const KORVAPilot& pilot, int line) {
    for (const auto& p : doc_.pilots) {
        if (p->pilotId == pilot.pilotId && p->bracket == bracket_) {
            return refuse(ui_, id::kDuplicateId, line, pilot.pilotId, pilot.fullName(),
                          p->fullName());
        }
    }
    for (const auto& p : doc_.pilots) {
        if (samePersonDifferentId(*p, pilot)) {
            return refuse(ui_, id::kDuplicatePerson, line, pilot.pilotId, p->pilotId,
                          pilot.fullName());
        }
    }
    return LineOutcome::Imported;
}

KORVAPilot LineImporter::newPilot(const std::vector<std::string>& items, int channel,
                                  std::int32_t number) {
    const Timestamp now = doc_.services().clock.now();
    KORVAPilot pilot(number);
    pilot.pilotId = items[0];
    pilot.lastName = items[1];
    pilot.firstName = items[2];
    pilot.channel = channel;
    pilot.category = items[4];
    pilot.modifiedAt = now;
    pilot.setClass(classIndex_, now);
    pilot.paid = 1;
    pilot.signedWaiver = 1;
    return pilot;
}

void LineImporter::add(const KORVAPilot& pilot) {
    appendPilotWithPlane(doc_, pilot, true);
    doc_.recountChannels();
    KORVAPilotMaster& master = doc_.services().master;
    if (!master.findById(pilot.pilotId)) master.add(pilot);
    ++imported_;
}

int classOfBracket(const KORVARaceDoc& doc, int bracket) {
    if (bracket == 0) return doc.class424Apra ? 1 : 2;
    return bracket == 1 ? 3 : 4;
}

}  // namespace

std::optional<int> importClass(KORVARaceDoc& doc, CsvImportForms& forms) {
    ImportBracketForm form;
    form.title = std::string(text(id::kBracketTitle));
    static constexpr const char* kLabels[] = {"424", "426", "Q40"};
    int used = 0;
    int only = -1;
    for (int b = 0; b < kBracketCount; ++b) {
        const auto i = static_cast<std::size_t>(b);
        form.choices[i] = {kLabels[i], doc.bracketUsed(b)};
        if (doc.bracketUsed(b)) {
            ++used;
            only = b;
        }
    }
    if (used == 0) {
        showError(doc.services().ui, id::kNoBracket);
        return std::nullopt;
    }
    if (used == 1) return classOfBracket(doc, only);
    const std::optional<ImportBracketForm> chosen = forms.selectImportBracket(form);
    if (!chosen || chosen->chosen < 0 || chosen->chosen >= kBracketCount ||
        !doc.bracketUsed(chosen->chosen)) {
        return std::nullopt;
    }
    // The form's "424" is the 424 class itself, even in a race under APRA rules.
    return chosen->chosen == 0 ? 2 : classOfBracket(doc, chosen->chosen);
}

bool importPilots(KORVARaceDoc& doc, CsvImportForms& forms) {
    Interaction& ui = doc.services().ui;
    CsvFileForm fileForm;
    fileForm.title = std::string(text(id::kFileTitle));
    const std::optional<CsvFileForm> file = forms.openCsvFile(fileForm);
    if (!file || trimmed(file->path).empty()) return false;
    const std::string& path = file->path;
    if (!fileExists(path)) {
        showPathMessage(ui, id::kNoSuchFile, Icon::Error, path);
        return false;
    }
    const std::optional<int> classIndex = importClass(doc, forms);
    if (!classIndex) return false;
    std::vector<std::uint8_t> bytes;
    try {
        bytes = readWholeFile(path);
    } catch (const FileError&) {
        showPathMessage(ui, id::kCannotOpen, Icon::Error, path);
        return false;
    }
    const CsvText csv = splitCsvText(bytes);
    if (csv.lines.empty()) {
        showPathMessage(ui, id::kEmptyFile, Icon::Error, path);
        return false;
    }

    LineImporter importer(doc, *classIndex);
    // Line 1 is the heading.
    for (std::size_t i = 1; i < csv.lines.size(); ++i) {
        const int line = static_cast<int>(i) + 1;
        if (importer.import(csv.lines[i], csv.utf8, line) == LineOutcome::Stop) break;
    }
    if (importer.imported() == 0) {
        showPathMessage(ui, id::kNoneImported, Icon::Warning, path);
        return false;
    }
    flagBracketChanged(doc, bracketOfClass(*classIndex));
    doc.recountChannels();
    doc.noteChange();
    ui.refreshViews(true);
    showPathMessage(ui, id::kImported, Icon::Information, path, importer.imported());
    return true;
}

}  // namespace korva
