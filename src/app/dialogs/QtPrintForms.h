#pragma once
// The report runs' small forms as Qt dialogs: each shows the record it is given and hands
// back the edited record on OK, nothing on Cancel. The runs check what comes back.

#include <QPointer>
#include <QWidget>

#include "reports/PrintForms.h"

namespace korva {

class QtPrintForms final : public PrintForms {
public:
    // Dialogs open over this window unless another dialog is open.
    explicit QtPrintForms(QWidget* parent) : parent_(parent) {}

    std::optional<HtmlFileDispositionForm> htmlFileDisposition(
        const HtmlFileDispositionForm& form) override;
    std::optional<PrintReminderForm> printReminder(const PrintReminderForm& form) override;
    std::optional<PrintHeatsForm> printHeats(const PrintHeatsForm& form) override;
    std::optional<PrintOnlyChangedForm> printOnlyChanged(const PrintOnlyChangedForm& form) override;
    std::optional<HeatDetailsTypeForm> heatDetailsType(const HeatDetailsTypeForm& form) override;
    std::optional<DetailPilotsForm> detailPilots(const DetailPilotsForm& form) override;
    std::optional<PilotPrintForm> pilotPrint(const PilotPrintForm& form) override;
    std::optional<SpectatorProgramsForm> spectatorPrograms(
        const SpectatorProgramsForm& form) override;
    std::optional<RoundCountForm> roundCount(const RoundCountForm& form) override;
    // "Select Quick Print Items", in a file of its own.
    std::optional<QuickPrintForm> quickPrint(const QuickPrintForm& form) override;

private:
    QWidget* parent() const;

    QPointer<QWidget> parent_;
};

}  // namespace korva
