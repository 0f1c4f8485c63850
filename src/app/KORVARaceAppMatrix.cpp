// The heat matrix commands of the application: Build heat matrix, and the regeneration
// that a new lane rotation asks for.

#include <QStatusBar>

#include "app/AppInteraction.h"
#include "app/KORVARaceApp.h"
#include "app/dialogs/MatrixProgress.h"
#include "app/dialogs/QtMatrixForms.h"
#include "matrix/MatrixCommand.h"
#include "scoring/TimingFile.h"

namespace korva {

namespace {
constexpr int kStatusMessageMs = 5000;
}

void KORVARaceApp::connectMatrixCommands() {
    matrixForms_ = std::make_unique<QtMatrixForms>(*ui_);
    matrixForms_->setParentWindow(frame_.get());
    regenerateFaiMatrix = [this](KORVARaceDoc& race) { regenerateOpenRounds(race); };
    CommandTable& c = frame_->commands();
    c.setHandler(
        Cmd::BuildMatrix, [this] { buildMatrix(); },
        [this] { return race_ && race_->raceMatrix.AnyBracketFilled != 0 && !generating_; });
}

bool KORVARaceApp::runMatrixCommand(
    KORVARaceDoc& race, const std::function<bool(MatrixCommand&, bool& heatsChanged)>& run) {
    if (generating_) return false;
    MatrixProgress progress(frame_.get());
    GenerationOptions options;
    options.tick = [&progress] { progress.tick(); };
    MatrixCommand command(race, options);
    // Every build rewrites the timing program's files once the race wants them.
    installTimingFileHook(command.hooks);
    generating_ = true;
    bool heatsChanged = false;
    const bool built = run(command, heatsChanged);
    generating_ = false;
    if (built) {
        frame_->statusBar()->showMessage(QObject::tr("Heat matrix built"), kStatusMessageMs);
    }
    frame_->commands().update();
    return built;
}

bool KORVARaceApp::buildMatrix() {
    if (!race_) return false;
    return runMatrixCommand(*race_, [this](MatrixCommand& command, bool& heatsChanged) {
        return command.BuildMatrix(*matrixForms_, heatsChanged);
    });
}

bool KORVARaceApp::regenerateOpenRounds(KORVARaceDoc& race) {
    const bool built = runMatrixCommand(race, [](MatrixCommand& command, bool& heatsChanged) {
        return command.RegenerateOpenRounds(heatsChanged);
    });
    // New open rounds are a new matrix to the timing program as much as a build is.
    if (built) rewriteTimingFiles(race);
    return built;
}

}  // namespace korva
