#pragma once
// The menus and tool bars of the main window: one set per current window and per set of
// classes of the race (the class filter entries follow the race's classes).

#include <QStringList>
#include <functional>

#include "app/AppCommands.h"
#include "app/views/RaceWindow.h"

class QMenu;
class QMenuBar;
class QToolBar;

namespace korva {

class KORVARaceDoc;

struct MenuContext {
    CommandTable& commands;
    WindowKind window = WindowKind::None;
    const KORVARaceDoc* race = nullptr;
    QStringList recentFiles;
    std::function<void(const QString&)> openRecent;
    std::function<void(QMenu*)> fillWindowMenu;  // the open windows, on showing the menu
};

// Names the class filter commands after the race's classes and shows only the raced ones.
void labelClassFilters(CommandTable& commands, const KORVARaceDoc* race);

void buildMenuBar(QMenuBar* bar, const MenuContext& context);
void fillMainToolBar(QToolBar* bar, CommandTable& commands);
void fillWindowToolBar(QToolBar* bar, const MenuContext& context);
// The race file menu of the frame's context menu.
void fillRaceFileMenu(QMenu* menu, CommandTable& commands);
// The heat window's context menu: its commands and the class filters.
void fillHeatContextMenu(QMenu* menu, CommandTable& commands);

}  // namespace korva
