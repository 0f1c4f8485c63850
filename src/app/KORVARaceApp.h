#pragma once
// The application object: start-up in its order, the open race, the application commands,
// and the shutdown.

#include <QElapsedTimer>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>

#include "app/CMainFrame.h"
#include "app/pictures/PointerShapes.h"
#include "race/KORVARaceDoc.h"
#include "session/RecentFiles.h"

namespace korva {

class AppInteraction;
class HtmlPrintQueue;
class MatrixCommand;
class ProgramPrintQueue;
class QtInteraction;
class QtMatrixForms;
class QtRaceForms;
class QtRegistrationForms;
class RacePropertiesForms;
class RaceStandings;
class ResultsBoardServer;
class RegistrationForms;

// What the program is given; empty members take the program's own (message boxes,
// QSettings, dialogs, the current folder, the desktop folder of the session).
struct AppSetup {
    Interaction* ui = nullptr;
    SettingsStore* settings = nullptr;
    RacePropertiesForms* forms = nullptr;
    RegistrationForms* registration = nullptr;
    std::string workingFolder;
    std::string desktopFolder;
    // Where written pages go to be printed; the program's own prints them on the default
    // printer.
    HtmlPrintQueue* printQueue = nullptr;
};

class KORVARaceApp final : public FrameHost {
public:
    explicit KORVARaceApp(const AppSetup& setup = {});
    ~KORVARaceApp() override;
    KORVARaceApp(const KORVARaceApp&) = delete;
    KORVARaceApp& operator=(const KORVARaceApp&) = delete;

    // Start-up in order; false when it stopped (the command line's race failed to open, or
    // a file of a newer version ended the program).
    bool start(const QStringList& arguments);
    // The shutdown order: print worker, main window, pilot master file, pointers.
    void shutdown();

    CMainFrame* mainFrame() const { return frame_.get(); }
    RaceServices& services() { return *services_; }
    CommandTable& commands() const { return frame_->commands(); }

    // The standings of the open race, brought up to date before every refresh of the views.
    RaceStandings* standings() const { return standings_.get(); }
    // The live results board of the open race; off until the director starts it.
    ResultsBoardServer* resultsBoard() const { return board_.get(); }

    // FrameHost
    KORVARaceDoc* race() const override { return race_.get(); }
    const StandingsSource* pilotStandings() const override;
    QStringList recentFiles() const override;
    void openRaceFile(const QString& path, bool fromShell) override;
    bool canClose() override;
    void closeRace() override;

    void newRace();
    void openRace();
    void properties();
    bool saveRace();
    bool saveRaceAs();
    void about();
    // "Build heat matrix": the Matrix form, its warnings, the generation.
    bool buildMatrix();
    // Generates the open rounds of every matrixed bracket again (a new lane rotation).
    bool regenerateOpenRounds(KORVARaceDoc& race);
    void toggleInactive();
    void setBracketFilter(int bracket);
    // Asks to save a changed race; false on Cancel.
    bool saveModified();
    bool propertiesOpen() const { return propertiesOpen_; }

    // Where report runs hand their written pages for printing.
    HtmlPrintQueue& printQueue() const { return *printQueue_; }

    // Hooks of later parts of the program.
    // Clears the print worker's run flag and waits for it (up to 5 seconds).
    std::function<void()> stopPrintWorker;
    // Builds the FAI matrix again after its rotation changed.
    std::function<void(KORVARaceDoc&)> regenerateFaiMatrix = [](KORVARaceDoc&) {};
    // Fills the printer list once the window shows.
    std::function<void()> buildPrinterList = [] {};

private:
    void connectCommands();
    void connectMatrixCommands();
    // Runs a matrix command with the progress indication and reports the outcome.
    bool runMatrixCommand(KORVARaceDoc& race,
                          const std::function<bool(MatrixCommand&, bool& heatsChanged)>& run);
    void quitWhenPainted();
    bool createShortcut();
    void loadPilotMaster();
    void installRace(std::unique_ptr<KORVARaceDoc> race);
    void dropRace();
    bool anyBracketMatrixed() const;
    std::string newRaceFolder() const;
    QString dialogFolder() const;

    std::unique_ptr<QtInteraction> qtUi_;
    std::unique_ptr<SettingsStore> ownSettings_;
    std::unique_ptr<AppInteraction> ui_;
    SystemClock clock_;
    SettingsStore* settings_;
    std::unique_ptr<RaceServices> services_;
    std::unique_ptr<QtRaceForms> ownForms_;
    RacePropertiesForms* forms_;
    std::unique_ptr<QtRegistrationForms> ownRegistration_;
    RegistrationForms* registration_;
    std::unique_ptr<QtMatrixForms> matrixForms_;
    std::unique_ptr<ProgramPrintQueue> ownPrintQueue_;
    HtmlPrintQueue* printQueue_;
    std::string desktopFolder_;
    RecentFiles recent_;
    PointerShapes pointers_;
    std::unique_ptr<KORVARaceDoc> race_;
    std::unique_ptr<RaceStandings> standings_;  // of race_, and gone before it
    std::unique_ptr<ResultsBoardServer> board_;  // serves standings_, gone before it
    std::unique_ptr<CMainFrame> frame_;
    bool masterReadable_ = true;
    bool ending_ = false;
    bool propertiesOpen_ = false;
    bool generating_ = false;
    bool shutDown_ = false;
    QElapsedTimer sinceConstruction_;
};

}  // namespace korva
