#include "reports/ReportFiles.h"

#include <cstdio>
#include <filesystem>

#include "race/FileIo.h"
#include "race/KORVARaceDoc.h"
#include "ui/Format.h"

namespace korva {

namespace {
// More than a full race's heat cards make pages, so pages far up are looked for too.
constexpr int kMostNumberedPages = 9999;

bool isFolder(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}
}  // namespace

std::optional<std::string> findHtmlFolder(const std::string& raceFolder) {
    const std::string base = raceFolder.empty() ? "." : raceFolder;
    // Pages name their pictures "img/..." relative to themselves, so whichever spelling
    // holds the pages also holds the pictures.
    for (const char* name : {"html", "HTML"}) {
        const std::string folder = joinPath(base, name);
        if (isFolder(folder)) return folder;
    }
    return std::nullopt;
}

std::string raceNameOf(const KORVARaceDoc& doc) {
    std::string name = doc.services().raceFileName;
    if (name.empty()) name = lastComponent(doc.pathName());
    const auto dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    return name;
}

std::string safeFileNamePart(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        const bool unsafe = c == '/' || c == '\\' || u < 0x20 || u == 0x7f;
        // A dot after a dot would make "..", which could climb out of the html folder.
        const bool secondDot = c == '.' && !out.empty() && out.back() == '.';
        out += unsafe || secondDot ? '_' : c;
    }
    return out;
}

void deleteNumberedPages(const std::string& folder, const std::string& format,
                         const std::string& raceName) {
    deleteNumberedPages(folder, [&](int page) { return cformat(format, raceName, page); });
}

void deleteNumberedPages(const std::string& folder,
                         const std::function<std::string(int page)>& nameOf) {
    for (int page = 1; page <= kMostNumberedPages; ++page) {
        const std::string path = joinPath(folder, nameOf(page));
        if (std::remove(path.c_str()) != 0) break;
    }
}

}  // namespace korva
