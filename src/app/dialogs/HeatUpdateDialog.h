#pragma once
// "Enter Results Round %d Heat %d": four lane rows of finish, time, cuts (or infringements),
// DNS and DNF. Every rule it applies while the user types is the core's; OK hands the typed
// values back for the core's checks, which may open the form again with the cursor on the
// field they name.

#include <QList>
#include <array>

#include "app/dialogs/FormDialog.h"
#include "scoring/HeatResultForm.h"

class QCheckBox;
class QGridLayout;
class QLabel;

namespace korva {

class ResultSpinBox;

class HeatUpdateDialog : public FormDialog {
    Q_OBJECT
public:
    HeatUpdateDialog(const KORVAHeatUpdateDlg& form, QWidget* parent);

    const KORVAHeatUpdateDlg& values() const { return form_; }

protected:
    bool tryAccept() override;

private:
    static constexpr std::size_t kFields = 5;  // finish, minutes, seconds, hundredths, cuts

    struct LaneRow {
        std::array<ResultSpinBox*, kFields> fields{};
        QCheckBox* dns = nullptr;
        QCheckBox* dnf = nullptr;
        QList<QWidget*> shown;  // every control of the row, hidden together when it is empty
    };

    void addHeadings(QGridLayout* grid);
    void addLane(QGridLayout* grid, int lane);
    ResultSpinBox* field(int lane, HeatResultField which) const;
    // The user typed or spun a value; the core says what else changes.
    void typed(int lane, HeatResultField which, int value);
    void clickedOut(int lane, int state);
    // Shows the row as the form holds it, with the live rules at rest.
    void showRow(int lane);
    void chainTabs();
    void placeFocus();

    KORVAHeatUpdateDlg form_;
    std::array<LaneRow, KORVAHeat::kLanes> lanes_;
};

}  // namespace korva
