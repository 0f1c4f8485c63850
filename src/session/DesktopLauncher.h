#pragma once
// The desktop shortcut of the program: a freedesktop launcher file.

#include <string>

namespace korva {

struct DesktopLauncher {
    std::string program;  // the program file to start
    std::string folder;   // its working folder
    std::string icon;     // an icon file, may be empty
};

inline constexpr const char* kLauncherFileName = "KORVARace.desktop";

// The text of the launcher file.
std::string desktopEntry(const DesktopLauncher& launcher);

// Writes the launcher into `desktopFolder` (created when missing) and makes it executable.
// On failure returns false and says why in `error`.
bool createDesktopLauncher(const std::string& desktopFolder, const DesktopLauncher& launcher,
                           std::string& error);

}  // namespace korva
