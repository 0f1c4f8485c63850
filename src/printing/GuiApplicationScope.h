#pragma once
// A Qt Gui application for code that draws pages outside the desktop program (korva): made
// only when none exists, on the offscreen platform when there is no display to use.

#include <memory>

class QGuiApplication;

namespace korva {

class GuiApplicationScope {
public:
    GuiApplicationScope();
    ~GuiApplicationScope();
    GuiApplicationScope(const GuiApplicationScope&) = delete;
    GuiApplicationScope& operator=(const GuiApplicationScope&) = delete;

private:
    std::unique_ptr<QGuiApplication> app_;
};

}  // namespace korva
