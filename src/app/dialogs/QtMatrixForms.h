#pragma once
// The Matrix form of the Build-matrix command as a Qt dialog.

#include <QPointer>
#include <QWidget>

#include "matrix/MatrixForm.h"

namespace korva {

class Interaction;

class QtMatrixForms final : public MatrixFormUser {
public:
    explicit QtMatrixForms(Interaction& ui) : ui_(ui) {}
    // The dialog opens over this window unless another dialog is open.
    void setParentWindow(QWidget* w) { parent_ = w; }

    std::optional<MatrixForm> editMatrixForm(const MatrixForm& form) override;

private:
    Interaction& ui_;
    QPointer<QWidget> parent_;
};

}  // namespace korva
