#include "app/dialogs/MatrixProgress.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace korva {

namespace {
// Ticks further apart than this mean the user was answering a question, or the next
// bracket began: the delay counts again from there.
constexpr qint64 kPauseMs = 250;
constexpr qint64 kPaintEveryMs = 40;
}  // namespace

MatrixProgress::MatrixProgress(QWidget* parent, std::chrono::milliseconds delay)
    : parent_(parent), delay_(delay) {}

MatrixProgress::~MatrixProgress() = default;

void MatrixProgress::tick() {
    if (!lastTick_.isValid() || lastTick_.elapsed() > kPauseMs) busy_.start();
    lastTick_.start();
    if (!dialog_) {
        if (busy_.elapsed() < delay_.count()) return;
        // No cancel button: a generation stopped half way would leave a half-built matrix.
        dialog_ = std::make_unique<QProgressDialog>(
            QCoreApplication::translate("MatrixProgress", "Building the heat matrix..."), QString(),
            0, 0, parent_.data());
        dialog_->setObjectName(QStringLiteral("matrixProgress"));
        dialog_->setWindowTitle(QCoreApplication::translate("MatrixProgress", "Matrix"));
        dialog_->setWindowModality(Qt::ApplicationModal);
        dialog_->setMinimumDuration(0);
        dialog_->setMinimumWidth(320);
        dialog_->show();
    } else if (lastPaint_.isValid() && lastPaint_.elapsed() < kPaintEveryMs) {
        return;
    }
    lastPaint_.start();
    // Paint and animate only: clicks and keys wait until the generation is over.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace korva
