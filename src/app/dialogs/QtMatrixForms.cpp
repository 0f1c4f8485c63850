#include "app/dialogs/QtMatrixForms.h"

#include "app/dialogs/FormDialog.h"
#include "app/dialogs/MatrixDialog.h"

namespace korva {

std::optional<MatrixForm> QtMatrixForms::editMatrixForm(const MatrixForm& form) {
    MatrixDialog dialog(form, ui_, formParent(parent_.data()));
    return runForm(dialog);
}

}  // namespace korva
