#pragma once
// The Swap Pilots form: its fields, what it shows for each swap type, its range checks, and
// the interface that shows it.

#include <array>
#include <optional>
#include <string>

#include "race/Classes.h"
#include "ui/FormChecks.h"

namespace korva {

class KORVARaceDoc;

enum class SwapType { SingleHeatSlots = 0, PilotsAllHeats = 1, ChannelsAllHeats = 2 };

enum class SwapField { None, Bracket, First, Second, FirstLane, SecondLane, Round };

// The values of the form. Lanes and round are 1-based as the user sees them.
struct KORVASwapPilotsDlg {
    int bracket = 0;
    SwapType type = SwapType::SingleHeatSlots;
    int first = 1;
    int second = 1;
    int firstLane = 1;
    int secondLane = 1;
    int round = 1;

    bool operator==(const KORVASwapPilotsDlg&) const = default;
};

// What the two value fields take for one swap type in one bracket.
struct SwapValueRange {
    int low = 1;
    int high = 1;
    std::string firstLabel;
    std::string secondLabel;
    bool roundAndLanesShown = false;
};

// What the dialog shows besides the values.
struct SwapPilotsSetup {
    std::array<std::string, kBracketCount> bracketLabels;
    std::array<bool, kBracketCount> bracketEnabled{};
    std::array<int, kBracketCount> heatsPerRound{};
    int highestPilotNumber = 1;
    int roundMax = 1;  // rounds of the largest matrix
    SwapField focus = SwapField::None;
};

inline constexpr int kSwapLanes = 4;

// The radio labels of the swap types, in the order of SwapType.
const std::array<std::string, 3>& swapTypeLabels();

// A bracket as the form names it: "424" (or "APRA" under APRA rules), "426", the third name.
std::string swapBracketLabel(const KORVARaceDoc& doc, int bracket);

SwapPilotsSetup swapPilotsSetup(const KORVARaceDoc& doc);
// The form as first shown: single heat slots in the lowest bracket the race uses.
KORVASwapPilotsDlg swapPilotsDefaults(const SwapPilotsSetup& setup);
SwapValueRange swapValueRange(const SwapPilotsSetup& setup, int bracket, SwapType type);

// The range checks the dialog makes before OK completes, with the platform's range message.
FormVerdict<SwapField> checkSwapPilotsForm(const KORVASwapPilotsDlg& form,
                                           const SwapPilotsSetup& setup, Interaction& ui);

class SwapPilotsForms {
public:
    virtual ~SwapPilotsForms() = default;
    // One showing of the form; nullopt for Cancel.
    virtual std::optional<KORVASwapPilotsDlg> swapPilotsForm(const KORVASwapPilotsDlg& form,
                                                             const SwapPilotsSetup& setup) = 0;
};

}  // namespace korva
