#include "app/KORVARaceApp.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QStatusBar>
#include <algorithm>
#include <cstdio>

#include "app/AppInteraction.h"
#include "app/ExportCommand.h"
#include "app/HeatChangeCommands.h"
#include "app/PrintCommands.h"
#include "app/ProgramPrintQueue.h"
#include "app/QtInteraction.h"
#include "app/QtSettingsStore.h"
#include "app/RegistrationCommands.h"
#include "app/ResultCommands.h"
#include "app/StandingsCommands.h"
#include "app/board/ResultsBoardCommand.h"
#include "app/board/ResultsBoardServer.h"
#include "app/dialogs/QtMatrixForms.h"
#include "app/dialogs/QtRaceForms.h"
#include "app/dialogs/QtRegistrationForms.h"
#include "app/pictures/ToolIcons.h"
#include "app/pictures/ZelMDIClientPaint.h"
#include "matrix/MatrixTrace.h"
#include "race/Archive.h"
#include "race/FileIo.h"
#include "race/LoadFailure.h"
#include "scoring/Standings.h"
#include "session/DesktopLauncher.h"
#include "session/KORVACmdParms.h"
#include "session/StartupSettings.h"
#include "ui/Messages.h"

namespace korva {

namespace {
// How long a message in passing stays in the status bar.
constexpr int kPassingMessageMs = 15000;

std::string currentFolder() {
    return QDir::currentPath().toStdString();
}

// The launcher's icon is kept with the program's data, drawn once.
std::string writeLauncherIcon() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder)) return {};
    const QString path = folder + QStringLiteral("/korvarace.png");
    return programIconImage(128).save(path) ? path.toStdString() : std::string();
}
}  // namespace

KORVARaceApp::KORVARaceApp(const AppSetup& setup) {
    sinceConstruction_.start();
    QCoreApplication::setOrganizationName(QStringLiteral("Zelbrook"));
    QCoreApplication::setApplicationName(QStringLiteral("KORVARace"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.2.0"));
    if (!setup.ui) qtUi_ = std::make_unique<QtInteraction>();
    ui_ = std::make_unique<AppInteraction>(setup.ui ? *setup.ui : *qtUi_);
    if (!setup.settings) ownSettings_ = std::make_unique<QtSettingsStore>();
    settings_ = setup.settings ? setup.settings : ownSettings_.get();
    services_ = std::make_unique<RaceServices>(*ui_, clock_, *settings_);
    services_->random.seed(static_cast<std::uint32_t>(clock_.now()));
    if (!setup.forms) ownForms_ = std::make_unique<QtRaceForms>(*ui_);
    forms_ = setup.forms ? setup.forms : ownForms_.get();
    if (!setup.registration) ownRegistration_ = std::make_unique<QtRegistrationForms>(*ui_);
    registration_ = setup.registration ? setup.registration : ownRegistration_.get();
    desktopFolder_ =
        setup.desktopFolder.empty()
            ? QStandardPaths::writableLocation(QStandardPaths::DesktopLocation).toStdString()
            : setup.desktopFolder;

    // The program folder is remembered with forward slashes only.
    std::string folder = setup.workingFolder.empty() ? currentFolder() : setup.workingFolder;
    std::replace(folder.begin(), folder.end(), '\\', '/');
    services_->workingFolder = folder;
    if (!setup.printQueue) {
        ownPrintQueue_ = std::make_unique<ProgramPrintQueue>(
            folder,
            [this](std::function<QString()> text) {
                if (frame_) frame_->startStatusTimer(std::move(text));
            },
            [this](const QString& text) {
                if (frame_) frame_->statusBar()->showMessage(text, kPassingMessageMs);
            });
    }
    printQueue_ = setup.printQueue ? setup.printQueue : ownPrintQueue_.get();
    stopPrintWorker = [this] {
        if (ownPrintQueue_) ownPrintQueue_->stop();
        if (frame_) frame_->stopStatusTimer();
    };
    services_->endProgram = [this] {
        ending_ = true;
        if (frame_) frame_->close();
        QCoreApplication::exit(1);
    };
    ui_->onRefresh([this](bool refill) {
        // Results or pilots changed: the lists show the totals as they are now.
        if (standings_) standings_->update();
        if (board_) board_->noteChange();
        if (frame_) frame_->refreshViews(refill);
    });
}

KORVARaceApp::~KORVARaceApp() {
    shutdown();
}

bool KORVARaceApp::start(const QStringList& arguments) {
    MatrixTrace::removeLog(services_->workingFolder);
    runFirstRunStages(*settings_, *ui_, [this] { return createShortcut(); });
    recent_.load(*settings_);
    const ClientWindowTexts texts = readClientWindow(*settings_);
    if (useOwnPointers(*settings_)) pointers_.install();

    frame_ = std::make_unique<CMainFrame>(*this, *settings_, texts);
    if (qtUi_) qtUi_->setParentWindow(frame_.get());
    if (ownForms_) ownForms_->setParentWindow(frame_.get());
    if (ownRegistration_) ownRegistration_->setParentWindow(frame_.get());
    frame_->client()->setFlightBlocked(
        [this] { return propertiesOpen_ || generating_ || frame_->heatWindowsOpen() > 0; });
    connectCommands();
    connectRegistrationCommands(*this, *registration_);
    connectResultCommands(*this);
    connectStandingsCommands(*this);
    connectHeatChangeCommands(*this);
    connectPrintCommands(*this);
    connectExportCommand(*this);
    board_ = connectResultsBoard(*this, *ui_, *settings_);
    frame_->placeOnScreen();
    frame_->rebuildMenus();

    KORVACmdParms command;
    for (qsizetype i = 1; i < arguments.size(); ++i) command.parseParam(arguments[i].toStdString());
    if (!command.fileName.empty()) {
        openRaceFile(QString::fromStdString(command.fileName), true);
        if (!race_ || ending_) return false;
    }
    loadPilotMaster();
    if (ending_) return false;

    frame_->show();
    buildPrinterList();
    if (qEnvironmentVariableIsSet("KORVA_QUIT_WHEN_PAINTED")) quitWhenPainted();
    return true;
}

void KORVARaceApp::quitWhenPainted() {
    // For the start-up timing script: report the first painted background, then end.
    QObject::connect(
        frame_->client(), &ZelMDIClientPaint::backgroundPainted, frame_.get(),
        [this] {
            std::fprintf(stderr, "painted after %lld ms\n",
                         static_cast<long long>(sinceConstruction_.elapsed()));
            QCoreApplication::quit();
        },
        Qt::SingleShotConnection);
}

void KORVARaceApp::loadPilotMaster() {
    try {
        services_->master.loadAtStartup(services_->workingFolder, clock_);
    } catch (const NewerVersionError& e) {
        masterReadable_ = false;
        showError(*ui_, str::kNewerFile, e.fileKind(), e.fileKind());
        services_->endProgram();
    } catch (...) {
        // A damaged list is kept as it is, for a later repair, and never written over.
        masterReadable_ = false;
        services_->master.pilots.clear();
        showUtf8Message(*ui_, str::kMasterReadFailed, Icon::Error, Buttons::Ok, Answer::Ok,
                        joinPath(services_->workingFolder, KORVAPilotMaster::kFileName),
                        loadFailureText(FileKind::Master));
    }
}

bool KORVARaceApp::createShortcut() {
    DesktopLauncher launcher;
    launcher.program = QCoreApplication::applicationFilePath().toStdString();
    launcher.folder = QCoreApplication::applicationDirPath().toStdString();
    launcher.icon = writeLauncherIcon();
    std::string error;
    if (createDesktopLauncher(desktopFolder_, launcher, error)) return true;
    qWarning("KORVARace: no desktop shortcut in %s: %s", desktopFolder_.c_str(), error.c_str());
    return false;
}

void KORVARaceApp::shutdown() {
    if (shutDown_) return;
    shutDown_ = true;
    stopPrintWorker();
    frame_.reset();
    board_.reset();
    if (masterReadable_) services_->master.saveAtShutdown(services_->workingFolder, clock_);
    services_->master.pilots.clear();
    standings_.reset();
    race_.reset();
    pointers_.remove();
    if (auto* qs = dynamic_cast<QtSettingsStore*>(settings_)) qs->sync();
}

}  // namespace korva
