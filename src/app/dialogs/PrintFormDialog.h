#pragma once
// The dialog of one print form: built field by field by its caller, which also says how the
// fields are read back into the record on OK. The widgets a form shares: class boxes,
// choices of one, check boxes and spin boxes, each with an object name for the tests.

#include <QButtonGroup>
#include <QCheckBox>
#include <QSpinBox>
#include <functional>

#include "app/dialogs/FormDialog.h"
#include "reports/PrintForms.h"

class QBoxLayout;

namespace korva {

template <typename Form>
class PrintFormDialog final : public FormDialog {
public:
    PrintFormDialog(const QString& title, const char* name, const Form& form, QWidget* parent)
        : FormDialog(title, parent), form_(form) {
        setObjectName(QString::fromLatin1(name));
    }
    using FormDialog::body;

    // Reads the fields into the record when OK is pressed.
    void onAccept(std::function<void(Form&)> read) { read_ = std::move(read); }
    const Form& values() const { return form_; }

protected:
    bool tryAccept() override {
        if (read_) read_(form_);
        return true;
    }

private:
    Form form_;
    std::function<void(Form&)> read_;
};

// The three class boxes "class0".."class2" in a row, labelled with the race's class names,
// enabled and ticked as the choice says.
class ClassBoxes {
public:
    ClassBoxes(const ClassChoice& choice, QBoxLayout* into, QWidget* parent);
    // The choice with the boxes' ticks.
    ClassChoice read(ClassChoice choice) const;

private:
    std::array<QCheckBox*, kBracketCount> boxes_{};
};

// A check box with an object name.
QCheckBox* checkBox(const QString& text, bool checked, const char* name, QWidget* parent);
QSpinBox* spinBox(int lo, int hi, int value, const char* name, QWidget* parent);
// Radio buttons "NAME0", "NAME1", ... in a titled group (no title: no frame), one ticked (the
// nearest when `checked` is out of range, so a choice is always read back); the
// group's ids are the positions.
QButtonGroup* choiceOfOne(const QString& title, const QStringList& texts, int checked,
                          const char* name, QBoxLayout* into, QWidget* parent);

}  // namespace korva
