#include <vector>

#include "matrix/MatrixCommand.h"
#include "race/FileIo.h"
#include "race/KORVARaceDoc.h"
#include "race/TextCodec.h"
#include "scoring/SwapMessages.h"
#include "scoring/TimingFile.h"
#include "ui/Messages.h"

namespace korva {

namespace {

std::string withoutExtension(const std::string& name) {
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

// A user-named class could hold a folder separator; the file stays beside the race.
std::string safeForFileName(std::string text) {
    for (char& c : text) {
        if (c == '/' || c == '\\') c = '_';
    }
    return text;
}

bool writeMatrixedBrackets(KORVARaceDoc& doc) {
    bool all = true;
    for (int b = 0; b < kBracketCount; ++b) all = writeTimingFile(doc, b) && all;
    return all;
}

}  // namespace

std::string timingFilePath(const KORVARaceDoc& doc, int bracket) {
    const RaceServices& services = doc.services();
    const std::string raceFile =
        services.raceFileName.empty() ? lastComponent(doc.pathName()) : services.raceFileName;
    const KORVAMatrix& m = doc.raceMatrix.matrix(bracket);
    // The folder and race file name are the system's UTF-8; the class name is race text.
    const std::string name =
        withoutExtension(raceFile) + "_" +
        safeForFileName(cp1252ToUtf8(className(m.ClassCode, doc.thirdBracketName()))) + ".INI";
    return joinPath(doc.raceFolder.empty() ? services.workingFolder : doc.raceFolder, name);
}

bool writeTimingFile(KORVARaceDoc& doc, int bracket) {
    if (!doc.raceMatrix.matrix(bracket).hasRounds()) return true;
    const std::string path = timingFilePath(doc, bracket);
    const std::string text = timingFileText(doc, bracket);
    try {
        writeFileAtomically(path, std::vector<std::uint8_t>(text.begin(), text.end()));
        return true;
    } catch (const FileError&) {
        showUtf8Message(doc.services().ui, swapmsg::kTimingFileFailed, Icon::Error, Buttons::Ok,
                        Answer::Ok, path);
        return false;
    }
}

bool outputTimingSystemFile(KORVARaceDoc& doc) {
    // The wish is kept with the race: a race that just took it on must be saved.
    if (!doc.timingFileWanted) doc.setModified(true);
    doc.timingFileWanted = 1;
    return writeMatrixedBrackets(doc);
}

void rewriteTimingFiles(KORVARaceDoc& doc) {
    if (doc.timingFileWanted) writeMatrixedBrackets(doc);
}

void installTimingFileHook(MatrixHooks& hooks) {
    hooks.writeTimingFile = [](KORVARaceDoc& doc, int bracket) { writeTimingFile(doc, bracket); };
}

}  // namespace korva
