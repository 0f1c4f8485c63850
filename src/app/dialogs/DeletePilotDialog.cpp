#include "app/dialogs/DeletePilotDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "app/QtText.h"

namespace korva {

namespace {
constexpr int kWarningIconSize = 48;
}

DeletePilotDialog::DeletePilotDialog(const DeletePilotForm& form, QWidget* parent)
    : FormDialog(toQt(form.title), parent), form_(form) {
    setObjectName(QStringLiteral("deletePilot"));
    auto* line = new QHBoxLayout;
    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(kWarningIconSize));
    icon->setAlignment(Qt::AlignTop);
    auto* message = new QLabel(toQt(form.text), this);
    message->setObjectName(QStringLiteral("message"));
    message->setTextFormat(Qt::PlainText);
    message->setWordWrap(true);
    line->addWidget(icon);
    line->addWidget(message, 1);
    body()->addLayout(line);
    // Deleting is never the default: Enter keeps the pilot.
    QPushButton* ok = buttons()->button(QDialogButtonBox::Ok);
    ok->setText(tr("Delete"));
    ok->setAutoDefault(false);
    QPushButton* cancel = buttons()->button(QDialogButtonBox::Cancel);
    cancel->setDefault(true);
    cancel->setFocus();
}

}  // namespace korva
