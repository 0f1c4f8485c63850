#pragma once
// Every command of the menus and tool bars, as actions that exist once. A command runs its
// handler; one without a handler stays disabled until a later part of the program sets it.

#include <QAction>
#include <QObject>
#include <functional>
#include <map>

namespace korva {

enum class Cmd {
    // The application shell.
    NewRace,
    OpenRace,
    CloseRace,
    SaveRace,
    SaveRaceAs,
    Properties,
    Exit,
    About,
    ViewPilots,
    ViewPlanes,
    ViewHeats,
    DisplayInactive,
    ToggleToolbar,
    ToggleStatusBar,
    CascadeWindows,
    TileWindows,
    ViewAllClasses,
    ViewBracket0,
    ViewBracket1,
    ViewBracket2,
    // Set by later parts: matrix, finish, registration, results, printing, files.
    BuildMatrix,
    FinishRace,
    Print,
    QuickPrint,
    PrintPilotCards,
    PrintHeatDetails,
    ImportPilots,
    ExportPilots,
    ExportResults,
    AddNew,
    Change,
    AddPlane,
    DeletePilot,
    FlyOffPoints,
    EnterResults,
    ResetRound,
    ResetHeat,
    SwapPilots,
    HeatCards,
    HeatSheets,
    PrintSpectatorProgram,
    OutputTimingFile,
    PrintReFlyCard,
    CreateReportFolder,
    // The plane window's desk work: safety checks in bulk, the planes still to check.
    SafetyChecked,
    UncheckedPlanesOnly,
    // The live results board on the field's network.
    ResultsBoard,
};

class CommandTable : public QObject {
    Q_OBJECT
public:
    explicit CommandTable(QObject* parent);

    QAction* action(Cmd cmd) const { return actions_.at(cmd); }
    // `enabled` empty: enabled whenever a handler is set.
    void setHandler(Cmd cmd, std::function<void()> run, std::function<bool()> enabled = {});
    void setChecked(Cmd cmd, std::function<bool()> checked);
    bool hasHandler(Cmd cmd) const { return handlers_.count(cmd) != 0; }
    // Brings every action's enabled and checked state up to date.
    void update();

private:
    void define(Cmd cmd, const QString& text, const QString& prompt, const QKeySequence& key = {});

    struct Handler {
        std::function<void()> run;
        std::function<bool()> enabled;
    };
    std::map<Cmd, QAction*> actions_;
    std::map<Cmd, Handler> handlers_;
    std::map<Cmd, std::function<bool()>> checked_;
};

}  // namespace korva
