#include "reports/ReportFolder.h"

#include <filesystem>
#include <system_error>

#include "race/FileIo.h"
#include "reports/ReportFiles.h"
#include "ui/Messages.h"
#include "ui/Strings.h"

namespace korva {

namespace fs = std::filesystem;

namespace {

// Makes the folder unless it is there; false with the reason when that fails.
bool makeFolder(const std::string& path, std::string& why) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) return true;
    if (fs::create_directory(path, ec) && !ec) return true;
    why = ec ? ec.message() : std::string(text(str::kFileInTheWay));
    return false;
}

}  // namespace

ReportFolderOutcome ensureReportFolder(Interaction& ui, const std::string& raceFolder,
                                       const PictureDrawer& draw) {
    ReportFolderOutcome out;
    out.folder = findHtmlFolder(raceFolder).value_or(joinPath(raceFolder, "html"));
    const std::string pictures = joinPath(out.folder, std::string(kPictureFolderName));
    std::string why;
    for (const std::string& folder : {out.folder, pictures}) {
        if (!makeFolder(folder, why)) {
            showError(ui, str::kCannotCreateReportFolder, folder, why);
            return out;
        }
    }
    for (const ReportPicture& picture : reportPictures()) {
        const std::string path = joinPath(pictures, picture.name);
        std::error_code ec;
        if (fs::exists(fs::symlink_status(path, ec))) {
            ++out.kept;
            continue;
        }
        const std::vector<std::uint8_t> bytes = draw(picture);
        try {
            if (bytes.empty()) throw FileError(std::string(text(str::kPictureNotDrawn)));
            writeFileAtomically(path, bytes);
        } catch (const FileError& e) {
            showError(ui, str::kCannotWritePicture, path, std::string(e.what()));
            return out;
        }
        ++out.written;
    }
    out.ok = true;
    return out;
}

}  // namespace korva
