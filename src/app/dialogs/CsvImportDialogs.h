#pragma once
// The forms of "Import Pilots...": the file dialog for the CSV file and the bracket choice.

#include <QPointer>
#include <array>
#include <functional>

#include "app/dialogs/FormDialog.h"
#include "registration/CsvImportForms.h"

class QButtonGroup;

namespace korva {

// "Select Bracket to Import": one radio button per bracket the race uses.
class ImportBracketDialog : public FormDialog {
    Q_OBJECT
public:
    ImportBracketDialog(const ImportBracketForm& form, QWidget* parent);
    const ImportBracketForm& values() const { return form_; }

protected:
    bool tryAccept() override;

private:
    ImportBracketForm form_;
    QButtonGroup* choices_;
};

class QtCsvImportForms final : public CsvImportForms {
public:
    // Dialogs open over this window unless another dialog is open; the file dialog starts in
    // the folder `folder` gives at the time.
    QtCsvImportForms(QWidget* parent, std::function<QString()> folder)
        : parent_(parent), folder_(std::move(folder)) {}

    std::optional<CsvFileForm> openCsvFile(const CsvFileForm& form) override;
    std::optional<ImportBracketForm> selectImportBracket(const ImportBracketForm& form) override;

private:
    QPointer<QWidget> parent_;
    std::function<QString()> folder_;
};

}  // namespace korva
