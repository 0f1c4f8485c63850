#include "app/QtMatrixForms.h"

#include "app/FormDialog.h"
#include "app/MatrixDialog.h"

namespace korva {

std::optional<MatrixForm> QtMatrixForms::editMatrixForm(const MatrixForm& form) {
    MatrixDialog dialog(form, ui_, formParent(parent_.data()));
    return runForm(dialog);
}

}  // namespace korva
