#include "scoring/SwapPilotsForm.h"

#include <algorithm>

#include "race/KORVARaceDoc.h"
#include "ui/Strings.h"

namespace korva {

const std::array<std::string, 3>& swapTypeLabels() {
    static const std::array<std::string, 3> kLabels{"Single Heat Slots", "Pilots All Heats",
                                                    "Channels All Heats"};
    return kLabels;
}

std::string swapBracketLabel(const KORVARaceDoc& doc, int bracket) {
    return bracket == 0 && doc.class424Apra ? "APRA" : doc.bracketName(bracket);
}

SwapPilotsSetup swapPilotsSetup(const KORVARaceDoc& doc) {
    SwapPilotsSetup setup;
    for (int b = 0; b < kBracketCount; ++b) {
        const auto i = static_cast<std::size_t>(b);
        setup.bracketLabels[i] = swapBracketLabel(doc, b);
        const KORVAMatrix& m = doc.raceMatrix.matrix(b);
        setup.bracketEnabled[i] = doc.bracketUsed(b);
        setup.heatsPerRound[i] = m.maxHeatCount();
        setup.roundMax = std::max(setup.roundMax, static_cast<int>(m.rounds.size()));
    }
    // Numbers stay with their pilots after a deletion, so the count of pilots could fall
    // short of the highest number in use.
    for (const auto& p : doc.pilots) {
        setup.highestPilotNumber = std::max(setup.highestPilotNumber, p->pilotNumber);
    }
    return setup;
}

KORVASwapPilotsDlg swapPilotsDefaults(const SwapPilotsSetup& setup) {
    KORVASwapPilotsDlg form;
    const auto used = std::find(setup.bracketEnabled.begin(), setup.bracketEnabled.end(), true);
    form.bracket = used == setup.bracketEnabled.end()
                       ? 0
                       : static_cast<int>(used - setup.bracketEnabled.begin());
    return form;
}

SwapValueRange swapValueRange(const SwapPilotsSetup& setup, int bracket, SwapType type) {
    switch (type) {
        case SwapType::SingleHeatSlots: {
            const int b = std::clamp(bracket, 0, kBracketCount - 1);
            const int heats = setup.heatsPerRound[static_cast<std::size_t>(b)];
            return {1, std::max(1, heats), "Swap this Pilot ==> Heat", "With this Pilot ==> Heat",
                    true};
        }
        case SwapType::PilotsAllHeats:
            return {1, setup.highestPilotNumber, "Swap Pilot Number ==>", "With Pilot Number ==>",
                    false};
        case SwapType::ChannelsAllHeats:
            return {0, kChannelCount - 1, "Swap Channel ==>", "With Channel ==>", false};
    }
    return {};
}

namespace {
// "Swap Channel ==>" names its field "Swap Channel" in a range message.
std::string fieldName(const std::string& label) {
    const std::size_t arrow = label.find(" ==>");
    return arrow == std::string::npos ? label : label.substr(0, arrow);
}
}  // namespace

FormVerdict<SwapField> checkSwapPilotsForm(const KORVASwapPilotsDlg& form,
                                           const SwapPilotsSetup& setup, Interaction& ui) {
    using Verdict = FormVerdict<SwapField>;
    if (!checkRange(ui, form.bracket, 0, kBracketCount - 1, str::kSwapBracketLabel)) {
        return Verdict::retry(SwapField::Bracket);
    }
    const SwapValueRange range = swapValueRange(setup, form.bracket, form.type);
    if (!checkRange(ui, form.first, range.low, range.high, fieldName(range.firstLabel))) return Verdict::retry(SwapField::First);
    if (!checkRange(ui, form.second, range.low, range.high, fieldName(range.secondLabel))) {
        return Verdict::retry(SwapField::Second);
    }
    if (!range.roundAndLanesShown) return Verdict::accept();
    if (!checkRange(ui, form.firstLane, 1, kSwapLanes, str::kSwapLaneLabel)) return Verdict::retry(SwapField::FirstLane);
    if (!checkRange(ui, form.secondLane, 1, kSwapLanes, str::kSwapLaneLabel)) {
        return Verdict::retry(SwapField::SecondLane);
    }
    if (!checkRange(ui, form.round, 1, setup.roundMax, str::kSwapRoundLabel)) return Verdict::retry(SwapField::Round);
    return Verdict::accept();
}

}  // namespace korva
