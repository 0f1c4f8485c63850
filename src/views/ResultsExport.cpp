#include "views/ResultsExport.h"

#include <initializer_list>
#include <vector>

#include "race/FileIo.h"
#include "race/KORVARaceDoc.h"
#include "race/TextCodec.h"
#include "ui/Messages.h"
#include "views/PilotListRows.h"

namespace korva {

namespace {

namespace id {
constexpr int kSortFirst = 70580;
constexpr int kNotWritten = 70581;
constexpr int kCreated = 70582;
}  // namespace id

constexpr const char* kHeading =
    "AMA, Last Name, First Name, Team-Channel, Category, Place, Score, Time, \n";

bool needsQuotes(const std::string& field) {
    return field.find_first_of(",\"\r\n") != std::string::npos;
}

std::string quoted(const std::string& field) {
    std::string out = "\"";
    for (char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

// Every field is followed by ", ". Only a field holding a comma, a quote or a line break is
// quoted, and it starts right after the comma: readers take a quote as opening a quoted
// field only at the very start of the field.
std::string csvLine(std::initializer_list<std::string> fields) {
    std::string line;
    for (const std::string& field : fields) {
        if (needsQuotes(field)) {
            if (!line.empty()) line.pop_back();
            line += quoted(field);
        } else {
            line += field;
        }
        line += ", ";
    }
    return line + "\n";
}

std::string scoreText(const KORVARaceDoc& doc, const KORVAPilot& p, std::int32_t total) {
    if (doc.faiClass != 0) return cformat("%d.%02d", total / 100, total % 100);
    const bool flyOffs = doc.resolveTiesByFlyOff != 0 && (doc.totalTies > 0 || doc.raceFinished);
    if (flyOffs && p.flyOffPoints != -1) return cformat("F%d %d", p.flyOffPoints, total);
    return cformat("%d", total);
}

std::string fileStem(const KORVARaceDoc& doc) {
    const std::string& named = doc.services().raceFileName;
    const std::string name = named.empty() ? lastComponent(doc.pathName()) : lastComponent(named);
    return name.substr(0, name.rfind('.'));
}

}  // namespace

std::string exportFilePath(const KORVARaceDoc& doc) {
    const std::string folder =
        doc.raceFolder.empty() ? doc.services().workingFolder : doc.raceFolder;
    return joinPath(folder, fileStem(doc) + "_export.csv");
}

std::optional<std::string> exportText(const KORVARaceDoc& doc, const PilotListRows& list) {
    const PilotColumn sort = list.sortColumn();
    if (sort != PilotColumn::Points && sort != PilotColumn::LowTime) return std::nullopt;
    std::string text;
    int bracket = -2;  // none yet
    int place = 0;
    for (const KORVAPilot* p : list.rows()) {
        const std::int32_t total = list.standings().total(*p);
        if (p->dqFlag || (!p->active && total == 0)) continue;
        if (p->bracket != bracket) {
            bracket = p->bracket;
            place = 0;
            const std::string name = doc.classNameOf(p->classIndex);
            text += (needsQuotes(name) ? quoted(name) : name) + "\n" + kHeading;
        }
        ++place;
        text += csvLine({p->pilotId, p->lastName, p->firstName, cformat("%d", p->channel),
                         p->category, cformat("%d", sort == PilotColumn::Points ? place : 0),
                         scoreText(doc, *p, total), list.cellText(*p, PilotColumn::LowTime)});
    }
    // Spreadsheets on this platform read UTF-8; the race keeps single-byte text.
    return cp1252ToUtf8(text);
}

bool exportPilots(KORVARaceDoc& doc, const PilotListRows& list) {
    Interaction& ui = doc.services().ui;
    const std::optional<std::string> text = exportText(doc, list);
    if (!text) {
        showWarning(ui, id::kSortFirst);
        return false;
    }
    const std::string path = exportFilePath(doc);
    try {
        writeFileAtomically(path, std::vector<std::uint8_t>(text->begin(), text->end()));
    } catch (const FileError&) {
        showUtf8Message(ui, id::kNotWritten, Icon::Error, Buttons::Ok, Answer::Ok, path);
        return false;
    }
    showUtf8Message(ui, id::kCreated, Icon::Information, Buttons::Ok, Answer::Ok, path);
    return true;
}

}  // namespace korva
