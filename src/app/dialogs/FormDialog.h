#pragma once
// A dialog of a form: OK runs the form's check and closes only when it accepts.

#include <QDialog>
#include <optional>
#include <type_traits>

class QDialogButtonBox;
class QVBoxLayout;

namespace korva {

class FormDialog : public QDialog {
    Q_OBJECT
public:
    FormDialog(const QString& title, QWidget* parent);

protected:
    // Reads the fields, runs the check; true closes the dialog with OK.
    virtual bool tryAccept() = 0;
    QVBoxLayout* body() const { return body_; }
    QDialogButtonBox* buttons() const { return buttons_; }

private:
    QVBoxLayout* body_;
    QDialogButtonBox* buttons_;
};

// The parent of a form: the dialog open now, else the given window.
QWidget* formParent(QWidget* window);

// Shows the dialog; its values on OK, nothing on Cancel.
template <typename Dialog>
auto runForm(Dialog& dialog) -> std::optional<std::decay_t<decltype(dialog.values())>> {
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.values();
}

}  // namespace korva
