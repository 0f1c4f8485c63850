#include "scoring/SwapKinds.h"

#include <utility>
#include <vector>

#include "race/KORVARaceDoc.h"
#include "scoring/LaneSnapshot.h"
#include "scoring/SwapMessages.h"
#include "scoring/SwapPilotsForm.h"
#include "ui/Messages.h"

namespace korva {

namespace {

using PilotPairs = std::vector<std::pair<std::int32_t, std::int32_t>>;

std::size_t laneIndex(int lane) {
    return static_cast<std::size_t>(lane - 1);
}

bool readyToSwap(const KORVAPilot* pilot) {
    return pilot && pilot->active && !pilot->dqFlag;
}

// Pilots of the bracket on the channel who fly in every round not yet started.
std::vector<std::int32_t> pilotsOnChannel(const KORVARaceDoc& doc, int bracket, int channel) {
    const KORVAMatrix& m = doc.raceMatrix.matrix(bracket);
    std::vector<std::int32_t> found;
    for (const auto& p : doc.pilots) {
        if (p->bracket != bracket || p->channel != channel) continue;
        if (m.fliesInEveryOpenRound(p->pilotNumber)) found.push_back(p->pilotNumber);
    }
    return found;
}

}  // namespace

bool swapHeatSlots(KORVARaceDoc& doc, const KORVASwapPilotsDlg& form) {
    Interaction& ui = doc.services().ui;
    KORVAMatrix& m = doc.raceMatrix.matrix(form.bracket);
    const KORVARound* round = m.roundAt(form.round - 1);
    KORVAHeat* a = round ? round->heatAt(form.first - 1) : nullptr;
    KORVAHeat* b = round ? round->heatAt(form.second - 1) : nullptr;
    // The round and heat ranges follow the largest matrix; this bracket may be smaller.
    if (!a || !b) {
        showError(ui, swapmsg::kNoSuchHeat, a ? form.second : form.first, form.round,
                  swapBracketLabel(doc, form.bracket));
        return false;
    }
    if (a->isComplete() || b->isComplete()) {
        showError(ui, swapmsg::kHeatComplete);
        return false;
    }
    std::int32_t& slotA = a->lanePilot[laneIndex(form.firstLane)];
    std::int32_t& slotB = b->lanePilot[laneIndex(form.secondLane)];
    if (slotA == slotB) {
        showError(ui, swapmsg::kSamePilotTwice);
        return false;
    }
    std::swap(slotA, slotB);
    const Timestamp now = doc.services().clock.now();
    a->touch(now);
    b->touch(now);
    m.touch(now);
    return true;
}

bool swapPilotsInOpenRounds(KORVARaceDoc& doc, const KORVASwapPilotsDlg& form) {
    Interaction& ui = doc.services().ui;
    const std::int32_t a = form.first;
    const std::int32_t b = form.second;
    if (a == b) {
        showError(ui, swapmsg::kSamePilotTwice);
        return false;
    }
    const KORVAPilot* pa = doc.pilotByNumber(a);
    const KORVAPilot* pb = doc.pilotByNumber(b);
    if (!readyToSwap(pa) || !readyToSwap(pb)) {
        showError(ui, swapmsg::kBothNotActive);
        return false;
    }
    // A pilot of another class would end up flying in this class's heats.
    if (pa->bracket != form.bracket || pb->bracket != form.bracket) {
        showError(ui, swapmsg::kOtherClass, swapBracketLabel(doc, form.bracket));
        return false;
    }
    KORVAMatrix& m = doc.raceMatrix.matrix(form.bracket);
    LaneSnapshot before(m);
    bool conflict = false;
    for (auto& round : m.rounds) {
        if (round->anyComplete()) continue;
        for (auto& heat : round->heats) {
            heat->swapPilots(a, b);
            conflict = conflict || heat->channelConflict(a, pa->channel, doc) ||
                       heat->channelConflict(b, pb->channel, doc);
        }
    }
    if (conflict) {
        before.restore();
        showError(ui, swapmsg::kWouldConflict);
        return false;
    }
    before.touchChanged(doc.services().clock.now());
    return true;
}

bool swapChannelsInOpenRounds(KORVARaceDoc& doc, const KORVASwapPilotsDlg& form) {
    Interaction& ui = doc.services().ui;
    const int ca = form.first;
    const int cb = form.second;
    if (!channelInBands(ca) || !channelInBands(cb)) {
        showError(ui, swapmsg::kChannelRange, kLow50MHz, kHigh50MHz, kLow72MHz, kHigh72MHz,
                  kLowPseudo, kHighPseudo);
        return false;
    }
    if (ca == cb) {
        showError(ui, swapmsg::kSameChannelTwice);
        return false;
    }
    const std::vector<std::int32_t> onA = pilotsOnChannel(doc, form.bracket, ca);
    const std::vector<std::int32_t> onB = pilotsOnChannel(doc, form.bracket, cb);
    if (onA.empty() && onB.empty()) {
        showError(ui, swapmsg::kNoPilotOnChannel, ca);
        showError(ui, swapmsg::kNoPilotOnChannel, cb);
        return false;
    }
    if (onA.size() != onB.size()) {
        showError(ui, swapmsg::kUnequalChannels, ca, cb);
        return false;
    }
    PilotPairs pairs;
    for (std::size_t i = 0; i < onA.size(); ++i) pairs.emplace_back(onA[i], onB[i]);
    KORVAMatrix& m = doc.raceMatrix.matrix(form.bracket);
    LaneSnapshot before(m);
    if (m.swapInOpenRounds(pairs, doc)) {
        before.restore();
        showError(ui, swapmsg::kWouldConflict);
        return false;
    }
    before.touchChanged(doc.services().clock.now());
    return true;
}

}  // namespace korva
