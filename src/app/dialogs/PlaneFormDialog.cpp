#include "app/dialogs/PlaneFormDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "app/dialogs/FormFields.h"
#include "app/QtText.h"

namespace korva {

PlaneFormDialog::PlaneFormDialog(const PlaneForm& form, const PlaneFormSetup& setup,
                                 Interaction& ui, QWidget* parent)
    : FormDialog(toQt(setup.title), parent), form_(form), setup_(setup), ui_(ui) {
    setObjectName(QStringLiteral("planeForm"));
    auto* rows = new QFormLayout;
    rows->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    type_ = listField(setup.types, form.type, "type", this);
    color_ = listField(setup.colors, form.mainColor, "mainColor", this);
    engine_ = listField(setup.engines, form.engine, "engine", this);
    pilotNumber_ = numberField(form.pilotNumber, 0, planefield::kPilotNumber, this);
    pilotNumber_->setToolTip(tr("Pilot number of the owner"));
    safetyChecked_ = new QCheckBox(tr("Safety check"), this);
    safetyChecked_->setObjectName(QStringLiteral("safetyChecked"));
    safetyChecked_->setChecked(form.safetyChecked);
    backup_ = new QCheckBox(tr("Backup"), this);
    backup_->setObjectName(QStringLiteral("backup"));
    backup_->setChecked(form.backup);
    rows->addRow(tr("Type"), type_);
    rows->addRow(tr("Main Color"), color_);
    rows->addRow(tr("Engine"), engine_);
    auto* owner = new QHBoxLayout;
    owner->addWidget(pilotNumber_);
    owner->addWidget(new QLabel(tr("(1 to %1)").arg(setup.pilotNumberMax), this));
    owner->addStretch();
    rows->addRow(tr("Pilot #"), owner);
    rows->addRow(QString(), safetyChecked_);
    rows->addRow(QString(), backup_);
    body()->addLayout(rows);
    if (setup.focus == planefield::kBackup) {
        backup_->setFocus();
    } else if (setup.focus == planefield::kPilotNumber || form.pilotNumber == 0) {
        pilotNumber_->setFocus();
        pilotNumber_->selectAll();
    } else {
        type_->setFocus();
    }
}

void PlaneFormDialog::collect() {
    form_.type = listValue(type_);
    form_.mainColor = listValue(color_);
    form_.engine = listValue(engine_);
    form_.pilotNumber = numberValue(pilotNumber_, 0);
    form_.safetyChecked = safetyChecked_->isChecked();
    form_.backup = backup_->isChecked();
}

bool PlaneFormDialog::tryAccept() {
    collect();
    const FormCheck check = checkPlaneForm(form_, setup_, ui_);
    if (!check.accepted) {
        auto* named = findChild<QComboBox*>(QString::fromStdString(check.focus));
        if (named) {
            named->setFocus();
        } else {
            pilotNumber_->setFocus();
            pilotNumber_->selectAll();
        }
    }
    return check.accepted;
}

}  // namespace korva
