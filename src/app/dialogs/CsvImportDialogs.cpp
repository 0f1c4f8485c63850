#include "app/dialogs/CsvImportDialogs.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/QtText.h"

namespace korva {

ImportBracketDialog::ImportBracketDialog(const ImportBracketForm& form, QWidget* parent)
    : FormDialog(toQt(form.title), parent), form_(form), choices_(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("importBracket"));
    body()->addWidget(new QLabel(tr("Class the imported pilots enter:"), this));
    bool anyChecked = false;
    for (int b = 0; b < kBracketCount; ++b) {
        const ImportBracketChoice& choice = form_.choices[static_cast<std::size_t>(b)];
        // Only the brackets the race uses are offered.
        if (!choice.offered) continue;
        auto* radio = new QRadioButton(toQt(choice.label), this);
        radio->setObjectName(QStringLiteral("bracket%1").arg(b));
        const bool checked = form_.chosen == b || (form_.chosen < 0 && !anyChecked);
        radio->setChecked(checked);
        anyChecked = anyChecked || checked;
        choices_->addButton(radio, b);
        body()->addWidget(radio);
    }
    buttons()->button(QDialogButtonBox::Ok)->setDefault(true);
    if (QAbstractButton* checked = choices_->checkedButton()) checked->setFocus();
}

bool ImportBracketDialog::tryAccept() {
    form_.chosen = choices_->checkedId();
    return true;
}

std::optional<CsvFileForm> QtCsvImportForms::openCsvFile(const CsvFileForm& form) {
    QFileDialog dialog(formParent(parent_.data()), toQt(form.title),
                       folder_ ? folder_() : QString());
    dialog.setObjectName(QStringLiteral("openCsvFile"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    const QString extension = typedToQt(form.extension);
    dialog.setNameFilters(
        {QObject::tr("CSV files (*.%1)").arg(extension), QObject::tr("All files (*)")});
    dialog.setDefaultSuffix(extension);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    CsvFileForm chosen = form;
    // A path as the system spells it, not race text.
    chosen.path = typedFromQt(dialog.selectedFiles().first());
    return chosen;
}

std::optional<ImportBracketForm> QtCsvImportForms::selectImportBracket(
    const ImportBracketForm& form) {
    ImportBracketDialog dialog(form, formParent(parent_.data()));
    return runForm(dialog);
}

}  // namespace korva
