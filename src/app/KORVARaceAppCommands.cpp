// The application commands: new, open, save, close, properties, windows, about.

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <QStatusBar>

#include "app/AppInteraction.h"
#include "app/KORVARaceApp.h"
#include "app/PrintCommands.h"
#include "app/QtText.h"
#include "app/ReportFolderCommand.h"
#include "app/board/ResultsBoardServer.h"
#include "app/pictures/ToolIcons.h"
#include "app/pictures/ZelMDIClientPaint.h"
#include "race/FileIo.h"
#include "properties/RaceProperties.h"
#include "properties/RacePropertiesEditor.h"
#include "scoring/Standings.h"
#include "ui/Messages.h"

namespace korva {

namespace {
constexpr int kStatusMessageMs = 5000;
}

void KORVARaceApp::connectCommands() {
    CommandTable& c = frame_->commands();
    auto hasRace = [this] { return race_ != nullptr; };
    c.setHandler(Cmd::NewRace, [this] { newRace(); });
    c.setHandler(Cmd::OpenRace, [this] { openRace(); });
    c.setHandler(
        Cmd::CloseRace, [this] { closeRace(); }, hasRace);
    c.setHandler(
        Cmd::SaveRace, [this] { saveRace(); }, [this] { return race_ && race_->isModified(); });
    c.setHandler(
        Cmd::SaveRaceAs, [this] { saveRaceAs(); }, hasRace);
    c.setHandler(
        Cmd::Properties, [this] { properties(); }, hasRace);
    c.setHandler(
        Cmd::CreateReportFolder, [this] { createReportFolder(*ui_, *race_, frame_->statusBar()); },
        hasRace);
    c.setHandler(Cmd::Exit, [this] { frame_->close(); });
    c.setHandler(Cmd::About, [this] { about(); });
    c.setHandler(
        Cmd::ViewPilots, [this] { frame_->showWindow(WindowKind::Pilots); }, hasRace);
    c.setHandler(
        Cmd::ViewPlanes, [this] { frame_->showWindow(WindowKind::Planes); },
        [this] { return race_ && frame_->currentKind() != WindowKind::Planes; });
    c.setHandler(
        Cmd::ViewHeats, [this] { frame_->showWindow(WindowKind::Heats); },
        [this] {
            return race_ && anyBracketMatrixed() && frame_->currentKind() != WindowKind::Heats;
        });
    c.setHandler(
        Cmd::DisplayInactive, [this] { toggleInactive(); }, hasRace);
    c.setChecked(Cmd::DisplayInactive, [this] { return race_ && race_->showInactive; });
    c.setHandler(Cmd::ToggleToolbar, [this] { frame_->toggleToolbar(); });
    c.setChecked(Cmd::ToggleToolbar, [this] { return frame_->toolbarVisible(); });
    c.setHandler(Cmd::ToggleStatusBar,
                 [this] { frame_->statusBar()->setVisible(!frame_->statusBar()->isVisible()); });
    c.setChecked(Cmd::ToggleStatusBar, [this] { return !frame_->statusBar()->isHidden(); });
    c.setHandler(
        Cmd::CascadeWindows, [this] { frame_->client()->cascadeSubWindows(); }, hasRace);
    c.setHandler(
        Cmd::TileWindows, [this] { frame_->client()->tileSubWindows(); }, hasRace);
    const Cmd filters[] = {Cmd::ViewAllClasses, Cmd::ViewBracket0, Cmd::ViewBracket1,
                           Cmd::ViewBracket2};
    for (int i = 0; i < 4; ++i) {
        const int bracket = i - 1;
        // The filter shown stays enabled: checked, it reads as pressed, not as unavailable.
        c.setHandler(
            filters[i], [this, bracket] { setBracketFilter(bracket); }, hasRace);
        c.setChecked(filters[i],
                     [this, bracket] { return race_ && race_->bracketFilter == bracket; });
    }
    connectMatrixCommands();
}

const StandingsSource* KORVARaceApp::pilotStandings() const {
    return standings_.get();
}

QStringList KORVARaceApp::recentFiles() const {
    QStringList list;
    for (const std::string& f : recent_.files()) list << QString::fromStdString(f);
    return list;
}

bool KORVARaceApp::anyBracketMatrixed() const {
    if (!race_) return false;
    for (int b = 0; b < kBracketCount; ++b) {
        if (race_->raceMatrix.Matrixed[static_cast<std::size_t>(b)] ||
            race_->raceMatrix.matrix(b).hasRounds()) {
            return true;
        }
    }
    return false;
}

std::string KORVARaceApp::newRaceFolder() const {
    if (race_ && !race_->raceFolder.empty()) return race_->raceFolder;
    if (!recent_.files().empty()) {
        const std::string folder = folderOf(recent_.files().front());
        if (!folder.empty() && QDir(QString::fromStdString(folder)).exists()) return folder;
    }
    const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!docs.isEmpty() && QDir().mkpath(docs)) return docs.toStdString();
    return QDir::homePath().toStdString();
}

QString KORVARaceApp::dialogFolder() const {
    return QString::fromStdString(newRaceFolder());
}

void KORVARaceApp::installRace(std::unique_ptr<KORVARaceDoc> race) {
    if (!race) return;
    dropRace();
    race_ = std::move(race);
    standings_ = std::make_unique<RaceStandings>(*race_);
    standings_->showFlyOffInfo = flyOffInfoHook(*this);
    if (board_) board_->noteChange();
    services_->raceFileName = lastComponent(race_->pathName());
    recent_.add(race_->pathName());
    recent_.save(*settings_);
    frame_->raceOpened();
}

void KORVARaceApp::dropRace() {
    frame_->closeRaceWindows();
    // The board serves only the race that is open: closing it ends the serving.
    if (board_) board_->stop();
    standings_.reset();
    race_.reset();
    services_->raceFileName.clear();
    frame_->rebuildMenus();
}

void KORVARaceApp::openRaceFile(const QString& given, bool fromShell) {
    // A name relative to the folder the program started in would mean another file once
    // it is listed among the recent files, and report folders would read as "./html".
    const QString path = given.isEmpty() ? given : QFileInfo(given).absoluteFilePath();
    if (fromShell && frame_->heatWindowsOpen() > 0) {
        frame_->statusBar()->showMessage(toQt(std::string(text(str::kOpenRefusedHeats))),
                                         kStatusMessageMs);
        return;
    }
    if (!saveModified()) return;
    auto race = std::make_unique<KORVARaceDoc>(*services_);
    // The open race stays as it is unless the new one is read whole.
    if (!race->openDocument(path.toStdString())) {
        if (!QFileInfo::exists(path)) {
            recent_.remove(path.toStdString());
            recent_.save(*settings_);
            frame_->rebuildMenus();
        }
        return;
    }
    installRace(std::move(race));
}

void KORVARaceApp::openRace() {
    const QString path = QFileDialog::getOpenFileName(
        frame_.get(), QObject::tr("Open race"), dialogFolder(), QObject::tr("Race files (*.kvr)"));
    if (!path.isEmpty()) openRaceFile(path, false);
}

bool KORVARaceApp::saveModified() {
    if (ending_ || !race_ || !race_->isModified()) return true;
    const std::string name = lastComponent(race_->pathName());
    // The name as the system gives it, not race text.
    const Answer answer = showUtf8Message(*ui_, str::kAskSaveChanges, Icon::Question,
                                          Buttons::YesNoCancel, Answer::Yes, name);
    if (answer == Answer::Yes) return saveRace();
    return answer == Answer::No;
}

bool KORVARaceApp::saveRace() {
    if (!race_) return false;
    if (race_->pathName().empty()) return saveRaceAs();
    const bool saved = race_->saveDocument(race_->pathName());
    frame_->updateTitle();
    return saved;
}

bool KORVARaceApp::saveRaceAs() {
    if (!race_) return false;
    const QString chosen = QFileDialog::getSaveFileName(frame_.get(), QObject::tr("Save race as"),
                                                        QString::fromStdString(race_->pathName()),
                                                        QObject::tr("Race files (*.kvr)"));
    if (chosen.isEmpty()) return false;
    const std::string path = newRacePath(chosen.toStdString(), newRaceFolder());
    if (!race_->saveDocument(path)) return false;
    recent_.add(path);
    recent_.save(*settings_);
    frame_->rebuildMenus();
    frame_->updateTitle();
    return true;
}

void KORVARaceApp::closeRace() {
    if (!race_ || !saveModified()) return;
    dropRace();
}

bool KORVARaceApp::canClose() {
    return saveModified();
}

void KORVARaceApp::newRace() {
    if (!saveModified()) return;
    RacePropertiesHost host(*services_, *forms_);
    host.newRaceFolder = newRaceFolder();
    host.installRace = [this](std::unique_ptr<KORVARaceDoc> race) {
        installRace(std::move(race));
        if (race_) createReportFolder(*ui_, *race_, frame_->statusBar());
    };
    host.refreshClassMenus = [this] { frame_->rebuildMenus(); };
    propertiesOpen_ = true;
    editRaceProperties(host, true);
    propertiesOpen_ = false;
}

void KORVARaceApp::properties() {
    if (!race_) return;
    RacePropertiesHost host(*services_, *forms_);
    host.race = race_.get();
    host.newRaceFolder = newRaceFolder();
    host.refreshClassMenus = [this] { frame_->rebuildMenus(); };
    host.regenerateFaiMatrix = [this](KORVARaceDoc& race) { regenerateFaiMatrix(race); };
    propertiesOpen_ = true;
    editRaceProperties(host, false);
    propertiesOpen_ = false;
}

void KORVARaceApp::toggleInactive() {
    if (!race_) return;
    race_->showInactive = race_->showInactive ? 0 : 1;
    ui_->refreshViews(true);
}

void KORVARaceApp::setBracketFilter(int bracket) {
    if (!race_) return;
    race_->bracketFilter = bracket;
    frame_->setBracketFilter(bracket);
}

void KORVARaceApp::about() {
    QMessageBox box(frame_.get());
    box.setObjectName(QStringLiteral("about"));
    box.setWindowTitle(QObject::tr("About KORVARace"));
    box.setIconPixmap(QPixmap::fromImage(programIconImage(64)));
    box.setText(
        QStringLiteral("<h2>KORVARace</h2><p>%1</p>").arg(toQt(std::string(text(str::kVersion)))));
    box.setInformativeText(QObject::tr("Race management for model-aircraft pylon racing."));
    box.exec();
}

}  // namespace korva
