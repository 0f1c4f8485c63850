#include "session/DesktopLauncher.h"

#include <filesystem>

#include "race/FileIo.h"

namespace korva {

namespace {
// Exec= arguments: quoted, with the characters the launcher format reserves escaped.
std::string quotedArgument(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

// Other keys' values escape only backslashes and line ends.
std::string escapedValue(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

std::string execValue(const std::string& program) {
    // A field code must not be read into the program's path.
    std::string out;
    for (char c : quotedArgument(program)) {
        out += c;
        if (c == '%') out += '%';
    }
    return escapedValue(out);
}
}  // namespace

std::string desktopEntry(const DesktopLauncher& l) {
    std::string text =
        "[Desktop Entry]\n"
        "Type=Application\n"
        "Version=1.0\n"
        "Name=KORVARace\n"
        "Comment=Race management for model-aircraft pylon racing\n";
    text += "Exec=" + execValue(l.program) + " %f\n";
    text += "Path=" + escapedValue(l.folder) + "\n";
    if (!l.icon.empty()) text += "Icon=" + escapedValue(l.icon) + "\n";
    text +=
        "Terminal=false\n"
        "Categories=Utility;\n";
    return text;
}

bool createDesktopLauncher(const std::string& desktopFolder, const DesktopLauncher& launcher,
                           std::string& error) {
    namespace fs = std::filesystem;
    try {
        if (desktopFolder.empty()) throw FileError("no desktop folder is known");
        fs::create_directories(desktopFolder);
        const std::string path = joinPath(desktopFolder, kLauncherFileName);
        const std::string text = desktopEntry(launcher);
        writeFileAtomically(path, std::vector<std::uint8_t>(text.begin(), text.end()));
        fs::permissions(path,
                        fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                        fs::perm_options::add);
        return true;
    } catch (const std::exception& e) {
        error = e.what();
        return false;
    }
}

}  // namespace korva
