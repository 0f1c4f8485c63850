#pragma once
// The Matrix form: the classes to build with their Begin Round, one End Round, and the
// question whether to be told of pilots left out. Continue closes it only when the core's
// check accepts.

#include <array>

#include "app/dialogs/FormDialog.h"
#include "matrix/MatrixForm.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QSpinBox;

namespace korva {

class Interaction;

class MatrixDialog : public FormDialog {
    Q_OBJECT
public:
    MatrixDialog(const MatrixForm& form, Interaction& ui, QWidget* parent);

    const MatrixForm& values() const { return values_; }

protected:
    bool tryAccept() override;

private:
    void addClassRows(QGridLayout* grid);
    QSpinBox* spinBox(const QString& name, int lo, int hi, int value);
    QLabel* hint(const QString& text);
    void readFields();
    void updateEnabling();
    void focus(MatrixFormField field, int bracket);

    MatrixForm values_;
    Interaction& ui_;
    std::array<QCheckBox*, kBracketCount> classBoxes_{};
    std::array<QSpinBox*, kBracketCount> beginRounds_{};
    QSpinBox* endRound_ = nullptr;
    QCheckBox* inform_ = nullptr;
    QPushButton* continue_ = nullptr;
};

}  // namespace korva
