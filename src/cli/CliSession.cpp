#include "cli/CliSession.h"

#include <ostream>

#include "race/Archive.h"
#include "race/FileIo.h"

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

}  // namespace korva
