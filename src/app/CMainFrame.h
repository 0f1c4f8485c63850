#pragma once
// The main window: the race windows on the painted background, menus and tool bars that
// follow the current window and the race's classes, and the status bar.

#include <QMainWindow>
#include <QTimer>
#include <functional>

#include "app/AppCommands.h"
#include "app/views/RaceWindow.h"
#include "session/StartupSettings.h"
#include "session/WindowPlacement.h"

class QLabel;
class QMdiSubWindow;
class QToolBar;

namespace korva {

class KORVARaceDoc;
class StandingsSource;
class ZelMDIClientPaint;

// What the main window asks of the application.
class FrameHost {
public:
    virtual ~FrameHost() = default;
    virtual KORVARaceDoc* race() const = 0;
    // What the pilot window shows as points and times; none: a race without results.
    virtual const StandingsSource* pilotStandings() const { return nullptr; }
    virtual QStringList recentFiles() const = 0;
    virtual void openRaceFile(const QString& path, bool fromShell) = 0;
    // Asked when the window is closed by the user: save changes? false keeps it open.
    virtual bool canClose() = 0;
    // The pilot window was closed: that closes the race.
    virtual void closeRace() = 0;
};

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(FrameHost& host, SettingsStore& settings, const ClientWindowTexts& texts);
    ~CMainFrame() override;

    CommandTable& commands() const { return *commands_; }
    ZelMDIClientPaint* client() const { return client_; }

    // Opens the pilot window of a race just opened.
    void raceOpened();
    // Closes every race window without asking.
    void closeRaceWindows();
    // Activates the window of this kind, opening it when needed.
    RaceWindow* showWindow(WindowKind kind);
    RaceWindow* window(WindowKind kind) const;
    WindowKind currentKind() const { return current_; }
    int heatWindowsOpen() const;
    void refreshViews(bool refill);
    void setBracketFilter(int bracket);
    // Menus and tool bars for the current window and the race's classes.
    void rebuildMenus();
    void toggleToolbar();
    bool toolbarVisible() const { return toolbarVisible_; }
    void updateTitle();
    // The printing progress line, read every 3 seconds while printing runs.
    void startStatusTimer(std::function<QString()> text);
    void stopStatusTimer();
    // Places the window from the stored rectangle, or centred on the screen.
    void placeOnScreen();
    // The window's rectangle as it is stored at close.
    ScreenRect storedRect() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void windowActivated(QMdiSubWindow* sub);
    void fillWindowMenu(QMenu* menu);
    bool eventFilter(QObject* watched, QEvent* event) override;
    RaceWindow* createWindow(WindowKind kind);
    // Stores where a list window is, for its next opening.
    void rememberPlace(QMdiSubWindow* sub);
    void deleteRaceWindows();

    FrameHost& host_;
    SettingsStore& settings_;
    CommandTable* commands_;
    ZelMDIClientPaint* client_;
    QToolBar* mainBar_;
    QToolBar* windowBar_;
    QLabel* printStatus_;
    QTimer statusTimer_;
    QTimer idleTimer_;
    std::function<QString()> statusText_;
    bool toolbarVisible_ = true;
    bool closingWindows_ = false;
    WindowKind current_ = WindowKind::None;
};

}  // namespace korva
