#include "cli/CliSession.h"

#include <algorithm>
#include <cstdlib>
#include <ostream>

#include "cli/CliOptions.h"
#include "race/Archive.h"
#include "race/FileIo.h"
#include "race/KORVARaceDoc.h"

namespace korva {

CliClock::CliClock() {
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) {
        const std::optional<int> seconds = wholeNumber(epoch);
        if (seconds && *seconds >= 0) fixed_ = *seconds;
    }
}

Timestamp CliClock::now() const {
    return fixed_ ? *fixed_ : system_.now();
}

int reportLoadError(const std::string& path, std::ostream& err, FileKind kind) {
    try {
        throw;
    } catch (const NewerVersionError& e) {
        err << "korva: " << path << ": the " << e.fileKind()
            << " file was created by a newer version of the program; upgrade to read it\n";
    } catch (const FileError& e) {
        err << "korva: " << e.what() << "\n";
    } catch (...) {
        std::string text = loadFailureText(kind);
        std::replace(text.begin(), text.end(), '\n', ' ');
        err << "korva: " << path << ": " << text << "\n";
    }
    return 1;
}

bool loadRaceFile(KORVARaceDoc& doc, const std::string& path, std::ostream& err) {
    try {
        if (!fileExists(path)) throw FileError("Cannot open " + path + ": no such file");
        doc.loadFile(path);
    } catch (...) {
        reportLoadError(path, err);
        return false;
    }
    if (doc.unreadBytes() > 0) {
        err << "korva: warning: " << path << ": " << doc.unreadBytes()
            << " bytes after the race are not read; saving keeps the original as "
            << doc.backupPath() << "\n";
    }
    return true;
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
