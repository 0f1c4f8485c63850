// The heat matrix commands of the application: Build heat matrix, and the regeneration
// that a new lane rotation asks for.

#include <QStatusBar>

#include "app/AppInteraction.h"
#include "app/KORVARaceApp.h"
#include "app/dialogs/MatrixProgress.h"
#include "app/dialogs/QtMatrixForms.h"
#include "matrix/MatrixCommand.h"

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
    // The timing-system file comes with result entry; until then the hook stays empty.
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
    return runMatrixCommand(race, [](MatrixCommand& command, bool& heatsChanged) {
        return command.RegenerateOpenRounds(heatsChanged);
    });
}

}  // namespace korva
