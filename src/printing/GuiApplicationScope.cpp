#include "printing/GuiApplicationScope.h"

#include <QGuiApplication>
#include <cstdlib>

namespace korva {

namespace {

bool hasDisplay() {
    return std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr;
}

}  // namespace

GuiApplicationScope::GuiApplicationScope() {
    if (QCoreApplication::instance() != nullptr) return;
    // Without a display the default platform would end the process.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && !hasDisplay())
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Qt keeps the argument count by reference for the application's life.
    static int argc = 1;
    static char name[] = "korva";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QGuiApplication>(argc, argv);
}

GuiApplicationScope::~GuiApplicationScope() = default;

}  // namespace korva
