#include "app/AppCommands.h"

#include "app/QtText.h"
#include "app/pictures/ToolIcons.h"
#include "ui/Strings.h"

namespace korva {

CommandTable::CommandTable(QObject* parent) : QObject(parent) {
    // Prompts: the status-bar text, a new line, the tool tip.
    define(Cmd::NewRace, tr("&New Race..."), tr("Create a new race\nNew race"), QKeySequence::New);
    define(Cmd::OpenRace, tr("&Open Race..."), tr("Open an existing race\nOpen race"),
           QKeySequence::Open);
    define(Cmd::CloseRace, tr("&Close Race"), tr("Close the race\nClose race"));
    define(Cmd::SaveRace, tr("&Save Race"), tr("Save the race\nSave race"), QKeySequence::Save);
    define(Cmd::SaveRaceAs, tr("Save Race &As..."),
           tr("Save the race under a new name\nSave race as"), QKeySequence::SaveAs);
    define(Cmd::Properties, tr("P&roperties..."), tr("Change Race Setup Parameters\nProperties"));
    define(Cmd::Exit, tr("E&xit"), tr("Quit the program\nExit"), QKeySequence::Quit);
    define(Cmd::About, tr("&About KORVARace..."), tr("Show the program's version\nAbout"));
    define(Cmd::ViewPilots, tr("&Pilots"), tr("View Pilots Window\nView Pilots"),
           QKeySequence(Qt::Key_F5));
    define(Cmd::ViewPlanes, tr("Pl&anes"), tr("View Planes Window\nView Planes"),
           QKeySequence(Qt::Key_F6));
    define(Cmd::ViewHeats, tr("&Heats"), tr("View Heats Window\nView Heats"),
           QKeySequence(Qt::Key_F7));
    define(Cmd::DisplayInactive, tr("Display &Inactive"),
           tr("Toggle the display of Inactive Pilots\nDisplay Inactive"));
    define(Cmd::ToggleToolbar, tr("&Toolbar"), tr("Show or hide the toolbar\nToggle Toolbar"));
    define(Cmd::ToggleStatusBar, tr("&Status Bar"),
           tr("Show or hide the status bar\nToggle Status Bar"));
    define(Cmd::CascadeWindows, tr("&Cascade"), tr("Arrange windows so they overlap\nCascade"));
    define(Cmd::TileWindows, tr("&Tile"), tr("Arrange windows as tiles\nTile"));
    define(Cmd::ViewAllClasses, tr("View all classes"), tr("Show every class\nAll classes"));
    define(Cmd::ViewBracket0, tr("424"), tr("Show one class only\n424"));
    define(Cmd::ViewBracket1, tr("426"), tr("Show one class only\n426"));
    define(Cmd::ViewBracket2, tr("Q40"), tr("Show one class only\nQ40"));
    define(Cmd::BuildMatrix, tr("&Matrix..."), tr("Build heat matrix\nBuild matrix"),
           QKeySequence(Qt::CTRL | Qt::Key_M));
    define(Cmd::FinishRace, tr("&Finish..."), tr("End the race\nFinish race"));
    define(Cmd::Print, tr("&Print..."), tr("Print the list\nPrint"), QKeySequence::Print);
    define(Cmd::QuickPrint, tr("Quick Print..."), tr("Quick Access Printing\nQuick Print"));
    define(Cmd::PrintPilotCards, tr("Print Pilot &Info Cards..."),
           tr("Print Information Cards for Pilots\nPrint Pilot Cards"));
    define(Cmd::PrintHeatDetails, tr("Print Heat &Details"),
           tr("Print Heat Details for all Pilots\nPrint Pilot Heat Details"));
    define(Cmd::ImportPilots, tr("&Import Pilots..."), tr("Import pilots from a CSV file\nImport"));
    define(Cmd::ExportPilots, tr("&Export Pilots..."), tr("Export pilots to a CSV file\nExport"));
    define(Cmd::ExportResults, tr("Export &Results..."),
           tr("Export the results to a CSV file\nExport results"));
    define(Cmd::AddNew, tr("&Add New..."), tr("Register a pilot or a plane\nAdd New"),
           QKeySequence(Qt::Key_Insert));
    define(Cmd::Change, tr("&Change..."), tr("Change the selected entry\nChange"));
    define(Cmd::AddPlane, tr("Add &Plane..."), tr("Register a plane for the pilot\nAdd Plane"));
    define(Cmd::DeletePilot, tr("&Delete Pilot..."), tr("Delete a pilot\nDelete Pilot"));
    define(Cmd::FlyOffPoints, tr("&FlyOff Points..."),
           tr("Enter the fly-off result of the pilot\nFlyOff Points"));
    define(Cmd::EnterResults, tr("&Enter Results..."),
           tr("Enter the heat's results\nEnter Results"));
    define(Cmd::ResetRound, tr("Reset &Round"), tr("Clear the results of the round\nReset Round"));
    define(Cmd::ResetHeat, tr("Reset &Heat"), tr("Clear the results of the heat\nReset Heat"));
    define(Cmd::SwapPilots, tr("&Swap Pilots..."), tr("Swap two pilots in open rounds\nSwap"));
    define(Cmd::HeatCards, tr("Heat &Cards"), tr("Show the heats with their results\nHeat Cards"));
    define(Cmd::HeatSheets, tr("Heat S&heets"), tr("Show who flies in which lane\nHeat Sheets"));
    define(Cmd::PrintSpectatorProgram, tr("Print Spectator P&rogram..."),
           tr("Print programs for spectators\nPrint program"));
    define(Cmd::OutputTimingFile, tr("Output &Timing System File"),
           tr("Create file for Timing System program\nCreate Timing System file"));
    define(Cmd::PrintReFlyCard, tr("Print Re-&Fly Card"),
           tr("Print single heat card for re-fly\nPrint re-fly heart card"));
    define(Cmd::CreateReportFolder, toQt(std::string(text(str::kCreateReportFolder))),
           toQt(std::string(text(str::kCreateReportFolderPrompt))));
    define(Cmd::SafetyChecked, tr("Safety &Checked"),
           tr("Mark the selected planes as safety checked\nSafety Checked"));
    define(Cmd::UncheckedPlanesOnly, tr("Show &Unchecked Planes Only"),
           tr("List only the planes not yet safety checked\nUnchecked Only"));
    define(Cmd::ResultsBoard, toQt(std::string(text(str::kResultsBoard))),
           toQt(std::string(text(str::kResultsBoardPrompt))));
    // Short labels under the tool bar buttons.
    const std::pair<Cmd, QString> labels[] = {
        {Cmd::NewRace, tr("New")},        {Cmd::OpenRace, tr("Open")},
        {Cmd::SaveRace, tr("Save")},      {Cmd::Properties, tr("Properties")},
        {Cmd::ViewPilots, tr("Pilots")},  {Cmd::ViewPlanes, tr("Planes")},
        {Cmd::ViewHeats, tr("Heats")},    {Cmd::AddNew, tr("Add New")},
        {Cmd::BuildMatrix, tr("Matrix")}, {Cmd::Print, tr("Print")},
        {Cmd::FinishRace, tr("Finish")},  {Cmd::EnterResults, tr("Results")},
        {Cmd::About, tr("About")},        {Cmd::SafetyChecked, tr("Checked")}};
    for (const auto& [cmd, label] : labels) action(cmd)->setIconText(label);
    for (Cmd c : {Cmd::DisplayInactive, Cmd::ToggleToolbar, Cmd::ToggleStatusBar,
                  Cmd::ViewAllClasses, Cmd::ViewBracket0, Cmd::ViewBracket1, Cmd::ViewBracket2,
                  Cmd::HeatCards, Cmd::HeatSheets, Cmd::UncheckedPlanesOnly}) {
        action(c)->setCheckable(true);
    }
    update();
}

void CommandTable::define(Cmd cmd, const QString& text, const QString& prompt,
                          const QKeySequence& key) {
    auto* a = new QAction(commandIcon(cmd), text, this);
    const QStringList parts = prompt.split('\n');
    a->setStatusTip(parts.value(0));
    a->setToolTip(parts.value(1, text));
    if (!key.isEmpty()) a->setShortcut(key);
    connect(a, &QAction::triggered, this, [this, cmd] {
        auto it = handlers_.find(cmd);
        if (it != handlers_.end() && it->second.run) it->second.run();
        update();
    });
    actions_[cmd] = a;
}

void CommandTable::setHandler(Cmd cmd, std::function<void()> run, std::function<bool()> enabled) {
    handlers_[cmd] = {std::move(run), std::move(enabled)};
    update();
}

void CommandTable::setChecked(Cmd cmd, std::function<bool()> checked) {
    checked_[cmd] = std::move(checked);
}

void CommandTable::update() {
    for (auto& [cmd, a] : actions_) {
        auto it = handlers_.find(cmd);
        const bool on = it != handlers_.end() && (!it->second.enabled || it->second.enabled());
        a->setEnabled(on);
        auto c = checked_.find(cmd);
        if (c != checked_.end()) a->setChecked(c->second());
    }
}

}  // namespace korva
