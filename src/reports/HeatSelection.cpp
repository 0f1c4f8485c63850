#include "reports/HeatSelection.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "race/KORVARaceDoc.h"

namespace korva {

namespace {
Timestamp cardsPrintedAt(const KORVARaceDoc& doc, int bracket) {
    return doc.heatCardsPrintedAt[static_cast<std::size_t>(bracket)];
}

// Heat cards never printed in this session count as changed throughout.
bool changedSincePrint(const KORVARaceDoc& doc, int bracket, const KORVAHeat& heat) {
    return heat.modifiedAt > cardsPrintedAt(doc, bracket);
}

// Calls `visit` with every heat of the bracket, numbered, in matrix order.
template <typename Visit>
void forEachHeat(const KORVARaceDoc& doc, int bracket, Visit visit) {
    const KORVAMatrix& matrix = doc.raceMatrix.matrix(bracket);
    // Wide enough for any heat number a damaged file may hold.
    std::int64_t earlier = 0;
    for (std::size_t r = 0; r < matrix.rounds.size(); ++r) {
        const KORVARound& round = *matrix.rounds[r];
        for (const auto& heat : round.heats) {
            const std::int64_t sequence = earlier + heat->heatNumber;
            visit(PrintedHeat{bracket, static_cast<int>(r), &round, heat.get(),
                              static_cast<int>(std::min<std::int64_t>(
                                  sequence, std::numeric_limits<int>::max()))});
        }
        earlier += static_cast<std::int64_t>(round.heats.size());
    }
}
}  // namespace

int PrintedHeat::roundNumber() const {
    return round->number();
}

bool PrintedHeat::firstOfRound() const {
    return heat->heatNumber == 1;
}

bool PrintedHeat::lastOfRound() const {
    return heat->heatNumber == round->heatCount;
}

std::vector<PrintedHeat> selectHeats(const KORVARaceDoc& doc, const HeatFilter& filter) {
    std::vector<PrintedHeat> heats;
    for (int b = 0; b < kBracketCount; ++b) {
        if (!filter.classes.isTicked(b)) continue;
        forEachHeat(doc, b, [&](const PrintedHeat& h) {
            const int round = h.roundNumber();
            if (round < filter.beginRound || round > filter.endRound) return;
            if (filter.pilot != 0 && !h.heat->containsPilot(filter.pilot)) return;
            if (filter.onlyChanged && !changedSincePrint(doc, b, *h.heat)) return;
            heats.push_back(h);
        });
    }
    return heats;
}

bool heatsChangedSinceCardsPrinted(const KORVARaceDoc& doc) {
    bool changed = false;
    for (int b = 0; b < kBracketCount; ++b) {
        if (cardsPrintedAt(doc, b) == 0) continue;
        forEachHeat(doc, b, [&](const PrintedHeat& h) {
            changed = changed || changedSincePrint(doc, b, *h.heat);
        });
    }
    return changed;
}

std::optional<PrintedHeat> heatAt(const KORVARaceDoc& doc, int bracket, int roundIndex,
                                  int heatIndex) {
    std::optional<PrintedHeat> found;
    if (bracket < 0 || bracket >= kBracketCount) return found;
    forEachHeat(doc, bracket, [&](const PrintedHeat& h) {
        const KORVARound& round = *h.round;
        if (h.roundIndex == roundIndex && heatIndex >= 0 &&
            static_cast<std::size_t>(heatIndex) < round.heats.size() &&
            round.heats[static_cast<std::size_t>(heatIndex)].get() == h.heat) {
            found = h;
        }
    });
    return found;
}

}  // namespace korva
