#include "reports/PrintForms.h"

#include <ctime>

#include "race/KORVARaceDoc.h"
#include "ui/FormChecks.h"
#include "ui/Format.h"
#include "ui/Messages.h"

namespace korva {

bool ClassChoice::isTicked(int bracket) const {
    if (bracket < 0 || bracket >= kBracketCount) return false;
    return (enabled & (1 << bracket)) != 0 && ticked[static_cast<std::size_t>(bracket)];
}

ClassChoice classChoice(const KORVARaceDoc& doc, int enabled, int ticked) {
    ClassChoice choice;
    choice.enabled = enabled;
    for (int b = 0; b < kBracketCount; ++b) {
        const auto i = static_cast<std::size_t>(b);
        choice.names[i] = doc.bracketName(b);
        choice.ticked[i] = (enabled & ticked & (1 << b)) != 0;
    }
    return choice;
}

std::string defaultPrintDate(Timestamp now) {
    const std::time_t t = now;
    std::tm local{};
    localtime_r(&t, &local);
    return cformat("%02d/%02d/%02d", local.tm_mon + 1, local.tm_mday, local.tm_year % 100);
}

bool checkPrintHeats(Interaction& ui, const PrintHeatsForm& form) {
    return checkLength(ui, form.printDate, kPrintDateMax) &&
           checkRange(ui, form.beginRound, 1, kHighestPrintRound, str::kBeginRound) &&
           checkRange(ui, form.endRound, form.beginRound, kHighestPrintRound, str::kEndRound);
}

bool checkDetailPilots(Interaction& ui, const KORVARaceDoc& doc, const DetailPilotsForm& form) {
    if (form.allPilots) return true;
    if (form.singlePilot == 0) {
        showWarning(ui, str::kSinglePilotZero);
        return false;
    }
    // A number nobody carries has no matrix either.
    const KORVAPilot* pilot = doc.pilotByNumber(form.singlePilot);
    const int bracket = pilot != nullptr ? pilot->bracket : -1;
    if (bracket < 0 || bracket >= kBracketCount || !doc.raceMatrix.matrix(bracket).hasRounds()) {
        showWarning(ui, str::kSinglePilotNotMatrixed);
        return false;
    }
    return true;
}

}  // namespace korva
