#pragma once
// Shows that a long matrix generation is at work. The generation runs on the user-interface
// thread and ticks now and then; once the ticks have gone on for longer than the delay a
// small busy dialog comes up and is kept painted. User input stays blocked meanwhile, so
// nothing can change the race under the generator.

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>
#include <chrono>
#include <memory>

class QProgressDialog;

namespace korva {

class MatrixProgress {
public:
    explicit MatrixProgress(QWidget* parent,
                            std::chrono::milliseconds delay = std::chrono::milliseconds(500));
    ~MatrixProgress();
    MatrixProgress(const MatrixProgress&) = delete;
    MatrixProgress& operator=(const MatrixProgress&) = delete;

    void tick();
    // The busy dialog, once it is shown.
    QProgressDialog* dialog() const { return dialog_.get(); }

private:
    QPointer<QWidget> parent_;
    std::chrono::milliseconds delay_;
    QElapsedTimer busy_;  // since the current run of ticks began
    QElapsedTimer lastTick_;
    QElapsedTimer lastPaint_;
    std::unique_ptr<QProgressDialog> dialog_;
};

}  // namespace korva
