#pragma once
// The small forms report runs show, as plain records, and the interface that shows them:
// one call per form, returning the edited record or std::nullopt for Cancel. The program
// answers it with dialogs, the tests with a script.

#include <array>
#include <optional>
#include <string>

#include "race/Classes.h"
#include "ui/Clock.h"

namespace korva {

class Interaction;
class KORVARaceDoc;

// "HTML File Disposition".
enum class HtmlDisposition { PrintNow, KeepForManualPrint };
struct HtmlFileDispositionForm {
    HtmlDisposition choice = HtmlDisposition::KeepForManualPrint;
    bool operator==(const HtmlFileDispositionForm&) const = default;
};

// "Print Reminder": which paper the output is usually printed on.
struct PrintReminderForm {
    std::string paperName;
    bool dontRemindAgain = false;
    bool operator==(const PrintReminderForm&) const = default;
};

// The three class boxes of a print form, labelled with the race's class names.
struct ClassChoice {
    std::array<std::string, kBracketCount> names;
    int enabled = 0;  // bit b set: bracket b's box can be ticked
    std::array<bool, kBracketCount> ticked{};
    bool operator==(const ClassChoice&) const = default;

    bool isTicked(int bracket) const;
};

// "Wing Flags" of the heat print form; the values are those of the dialog's choice.
enum class WingFlags { NoseLeft = 0, NoseUp = 1, DontDisplay = 2 };

inline constexpr std::size_t kPrintDateMax = 8;
inline constexpr int kHighestPrintRound = 32;

// "Print Heats"; the run's title replaces the caption.
struct PrintHeatsForm {
    std::string caption;
    ClassChoice classes;
    int beginRound = 1;
    int endRound = 1;
    std::string printDate;
    bool icons = false;
    bool idRoundStartCard = true;
    WingFlags wingFlags = WingFlags::DontDisplay;
    bool operator==(const PrintHeatsForm&) const = default;
};

// "Print Only Changed".
struct PrintOnlyChangedForm {
    bool onlyChanged = false;
    bool operator==(const PrintOnlyChangedForm&) const = default;
};

// "Select Heat Details Print Type".
enum class HeatDetailsType { HeatCards, HeatResults };
struct HeatDetailsTypeForm {
    HeatDetailsType type = HeatDetailsType::HeatCards;
    bool operator==(const HeatDetailsTypeForm&) const = default;
};

// "Select Detail Pilot(s)".
struct DetailPilotsForm {
    bool allPilots = true;
    int singlePilot = 0;
    bool operator==(const DetailPilotsForm&) const = default;
};

// "Select  Pilot Print": the columns of the printed pilot list.
struct PilotPrintForm {
    bool icons = true;
    bool number = true;
    bool classColumn = true;
    bool channel = true;
    bool points = true;
    bool lowTime = true;
    bool korva = true;
    bool operator==(const PilotPrintForm&) const = default;
};

// "Print Spectator Programs".
enum class SpectatorFontSize { Small, Medium, Large };
struct SpectatorProgramsForm {
    ClassChoice classes;
    SpectatorFontSize fontSize = SpectatorFontSize::Medium;
    bool operator==(const SpectatorProgramsForm&) const = default;
};

// The round count asked for pilot cards of a race without a matrix.
struct RoundCountForm {
    int rounds = 1;
    int highest = kHighestPrintRound;
    bool operator==(const RoundCountForm&) const = default;
};

// "Select Quick Print Items": the classes, the reports grouped by when in the race they are
// wanted, and where the pages go. "Results Sheet" stands under "During Race" and under
// "Post Race"; either box prints it, once.
struct QuickPrintForm {
    ClassChoice classes;
    bool matrixPoster = false;   // "Matrix Poster (Heat Sheets)"
    bool heatCards = false;      // "Heat Cards (Starter)"
    bool pilotHandouts = false;  // "Pilot Handouts (Heats)"
    bool spectatorProgram = false;
    bool newHeatCards = false;
    bool resultsDuringRace = false;
    bool heatResults = false;  // "Heat Results Details Sheet"
    bool resultsPostRace = false;
    bool htmlOnly = false;  // "HTML Output Only, No Print"
    bool saveAsPdf = false;
    bool operator==(const QuickPrintForm&) const = default;
};

class PrintForms {
public:
    virtual ~PrintForms() = default;
    virtual std::optional<HtmlFileDispositionForm> htmlFileDisposition(
        const HtmlFileDispositionForm& form) = 0;
    virtual std::optional<PrintReminderForm> printReminder(const PrintReminderForm& form) = 0;
    virtual std::optional<PrintHeatsForm> printHeats(const PrintHeatsForm& form) = 0;
    virtual std::optional<PrintOnlyChangedForm> printOnlyChanged(
        const PrintOnlyChangedForm& form) = 0;
    virtual std::optional<HeatDetailsTypeForm> heatDetailsType(const HeatDetailsTypeForm& form) = 0;
    virtual std::optional<DetailPilotsForm> detailPilots(const DetailPilotsForm& form) = 0;
    virtual std::optional<PilotPrintForm> pilotPrint(const PilotPrintForm& form) = 0;
    virtual std::optional<SpectatorProgramsForm> spectatorPrograms(
        const SpectatorProgramsForm& form) = 0;
    virtual std::optional<RoundCountForm> roundCount(const RoundCountForm& form) = 0;
    virtual std::optional<QuickPrintForm> quickPrint(const QuickPrintForm& form) = 0;
};

// Shows a form until its check accepts it or the user cancels.
template <typename Form, typename Show, typename Check>
std::optional<Form> askChecked(Form form, Show show, Check check) {
    while (std::optional<Form> answer = show(form)) {
        if (check(*answer)) return answer;
        form = *answer;
    }
    return std::nullopt;
}

// The class boxes of the race: enabled for the brackets in `enabled`, ticked for those of
// them that `ticked` names too.
ClassChoice classChoice(const KORVARaceDoc& doc, int enabled, int ticked);

// Today's date as the heat print form shows it: month, day, two-digit year.
std::string defaultPrintDate(Timestamp now);

// The heat print form's checks: the date's length and the round range. False after telling
// the user; the form is shown again.
bool checkPrintHeats(Interaction& ui, const PrintHeatsForm& form);

// A single pilot must be given and flying in a matrixed bracket; false after telling the user.
bool checkDetailPilots(Interaction& ui, const KORVARaceDoc& doc, const DetailPilotsForm& form);

}  // namespace korva
