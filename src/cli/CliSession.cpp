#include "cli/CliSession.h"

#include <ostream>

#include "race/Archive.h"
#include "race/FileIo.h"
#include "race/KORVARaceDoc.h"

namespace korva {

int reportLoadError(const std::string& path, std::ostream& err) {
    try {
        throw;
    } catch (const NewerVersionError& e) {
        err << "korva: " << path << ": the " << e.fileKind()
            << " file was created by a newer version of the program; upgrade to read it\n";
    } catch (const ArchiveError& e) {
        err << "korva: " << path << ": the file is short or malformed at byte " << e.offset()
            << " (expected " << e.expected() << ")\n";
    } catch (const FileError& e) {
        err << "korva: " << e.what() << "\n";
    } catch (const std::exception& e) {
        err << "korva: " << path << ": " << e.what() << "\n";
    }
    return 1;
}

bool loadRace(KORVARaceDoc& doc, const std::string& path, std::ostream& err) {
    try {
        if (!fileExists(path)) throw FileError("Cannot open " + path + ": no such file");
        doc.loadFile(path);
        return true;
    } catch (...) {
        reportLoadError(path, err);
        return false;
    }
}

bool saveRace(KORVARaceDoc& doc, const std::string& path, std::ostream& err) {
    try {
        doc.writeFile(path);
        return true;
    } catch (const std::exception& e) {
        err << "korva: cannot save " << path << ": " << e.what() << "\n";
        return false;
    }
}

}  // namespace korva
