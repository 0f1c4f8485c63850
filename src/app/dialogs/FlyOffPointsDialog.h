#pragma once
// "Adjustments": one tied pilot's fly-off result, and the class that answers the core's
// fly-off form with it.

#include <QPointer>
#include <QWidget>

#include "app/dialogs/FormDialog.h"
#include "scoring/FlyOffPoints.h"

class QSpinBox;

namespace korva {

class FlyOffPointsDialog : public FormDialog {
    Q_OBJECT
public:
    FlyOffPointsDialog(const FlyOffPointsForm& form, QWidget* parent);
    const FlyOffPointsForm& values() const { return form_; }

protected:
    // The ranges are checked by the core, which shows the form again when they fail.
    bool tryAccept() override;

private:
    QSpinBox* fieldOf(FlyOffPointsField field) const;

    FlyOffPointsForm form_;
    QSpinBox* points_;
    QSpinBox* minutes_;
    QSpinBox* seconds_;
    QSpinBox* hundredths_;
    QSpinBox* cuts_;
};

class QtFlyOffPointsForms final : public FlyOffPointsForms {
public:
    // Dialogs open over this window unless another dialog is open.
    explicit QtFlyOffPointsForms(QWidget* parentWindow) : parent_(parentWindow) {}

    std::optional<FlyOffPointsForm> flyOffPointsForm(const FlyOffPointsForm& form) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace korva
