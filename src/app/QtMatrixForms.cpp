#include "app/QtMatrixForms.h"

#include <QApplication>

#include "app/MatrixDialog.h"

namespace korva {

std::optional<MatrixForm> QtMatrixForms::editMatrixForm(const MatrixForm& form) {
    QWidget* modal = QApplication::activeModalWidget();
    MatrixDialog dialog(form, ui_, modal ? modal : parent_.data());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.values();
}

}  // namespace korva
