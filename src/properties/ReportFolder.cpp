#include "properties/ReportFolder.h"

#include <filesystem>
#include <system_error>

#include "race/FileIo.h"
#include "ui/Messages.h"
#include "ui/TextCase.h"

namespace korva {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kNewFolderName = "html";

bool isFolder(const fs::path& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

// Makes the folder unless it is there; false with the reason when that fails.
bool makeFolder(const fs::path& path, std::string& why) {
    std::error_code ec;
    if (isFolder(path)) return true;
    if (fs::create_directory(path, ec) && !ec) return true;
    why = ec ? ec.message() : "A file of that name is in the way.";
    return false;
}

}  // namespace

std::string findReportFolder(const std::string& raceFolder) {
    const fs::path base = raceFolder.empty() ? fs::path(".") : fs::path(raceFolder);
    for (const char* name : {"HTML", "html"}) {
        if (isFolder(base / name)) return (base / name).string();
    }
    std::error_code ec;
    for (fs::directory_iterator it(base, ec), end; !ec && it != end; it.increment(ec)) {
        if (equalsNoCase(it->path().filename().string(), kNewFolderName) && isFolder(it->path())) {
            return it->path().string();
        }
    }
    return {};
}

ReportFolderOutcome ensureReportFolder(Interaction& ui, const std::string& raceFolder,
                                       const PictureDrawer& draw) {
    ReportFolderOutcome out;
    out.folder = findReportFolder(raceFolder);
    if (out.folder.empty()) out.folder = joinPath(raceFolder, std::string(kNewFolderName));
    const std::string pictures = joinPath(out.folder, std::string(kPictureFolder));
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
            if (bytes.empty()) throw FileError("The picture could not be drawn.");
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
