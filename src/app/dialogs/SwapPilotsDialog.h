#pragma once
// The Swap Pilots form as a Qt dialog: the bracket and the swap type as radio buttons, the two
// values with labels that follow the swap type, the round and lanes only where they count.

#include <QPointer>
#include <array>
#include <vector>

#include "app/dialogs/FormDialog.h"
#include "scoring/SwapPilotsForm.h"

class QButtonGroup;
class QLabel;
class QLineEdit;

namespace korva {

class Interaction;

class SwapPilotsDialog : public FormDialog {
    Q_OBJECT
public:
    SwapPilotsDialog(const KORVASwapPilotsDlg& form, const SwapPilotsSetup& setup, Interaction& ui,
                     QWidget* parent);
    const KORVASwapPilotsDlg& values() const { return values_; }

protected:
    bool tryAccept() override;

private:
    QButtonGroup* radioRow(const QString& title, const std::array<std::string, 3>& labels,
                           const char* name, int checked);
    QLineEdit* valueField(int value, const char* name);
    void readFields();
    // Labels, shown fields and the range hint for the bracket and swap type chosen now.
    void updateForType();
    void focus(SwapField field);

    KORVASwapPilotsDlg values_;
    SwapPilotsSetup setup_;
    Interaction& ui_;
    QButtonGroup* brackets_ = nullptr;
    QButtonGroup* types_ = nullptr;
    QLabel* firstLabel_ = nullptr;
    QLabel* secondLabel_ = nullptr;
    QLabel* range_ = nullptr;
    QLineEdit* first_ = nullptr;
    QLineEdit* second_ = nullptr;
    QLineEdit* firstLane_ = nullptr;
    QLineEdit* secondLane_ = nullptr;
    QLineEdit* round_ = nullptr;
    std::vector<QWidget*> slotOnly_;  // the round and lane fields with their labels
};

class QtSwapPilotsForms final : public SwapPilotsForms {
public:
    // The dialog opens over this window unless another dialog is open.
    QtSwapPilotsForms(Interaction& ui, QWidget* parent) : ui_(ui), parent_(parent) {}

    std::optional<KORVASwapPilotsDlg> swapPilotsForm(const KORVASwapPilotsDlg& form,
                                                     const SwapPilotsSetup& setup) override;

private:
    Interaction& ui_;
    QPointer<QWidget> parent_;
};

}  // namespace korva
