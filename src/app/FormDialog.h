#pragma once
// A dialog of a form: OK runs the form's check and closes only when it accepts.

#include <QDialog>

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

}  // namespace korva
