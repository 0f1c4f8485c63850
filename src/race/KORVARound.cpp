#include "race/KORVARound.h"

#include <algorithm>

#include "race/Archive.h"
#include "race/KORVAMatrix.h"

namespace korva {

namespace {
constexpr std::size_t kMinTaggedBytes = 2;
}

KORVAHeat& KORVARound::addHeat(std::unique_ptr<KORVAHeat> heat, Timestamp now) {
    // Counted from the list, never from the stored count: no overflow, no number twice.
    heatCount = countOf(heats) + 1;
    heat->heatNumber = heatCount;
    heat->round = this;
    heat->touch(now);
    heats.push_back(std::move(heat));
    return *heats.back();
}

KORVAHeat* KORVARound::heatAt(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= heats.size()) return nullptr;
    return heats[static_cast<std::size_t>(index)].get();
}

void KORVARound::removeLastHeat() {
    if (heats.empty()) return;
    heats.pop_back();
    heatCount = countOf(heats);
}

int KORVARound::heatIndexOf(std::int32_t pilot) const {
    for (std::size_t i = 0; i < heats.size(); ++i) {
        if (heats[i]->containsPilot(pilot)) return static_cast<int>(i);
    }
    return -1;
}

int KORVARound::laneOf(std::int32_t pilot) const {
    const int h = heatIndexOf(pilot);
    return h < 0 ? -1 : heats[static_cast<std::size_t>(h)]->laneOfPilot(pilot);
}

bool KORVARound::allComplete() const {
    return !heats.empty() &&
           std::all_of(heats.begin(), heats.end(), [](const auto& h) { return h->isComplete(); });
}

bool KORVARound::anyComplete() const {
    return std::any_of(heats.begin(), heats.end(), [](const auto& h) { return h->isComplete(); });
}

void KORVARound::clearAllHeats(Timestamp now) {
    for (auto& h : heats) h->clearAll(now);
}

void KORVARound::reset(Timestamp now) {
    for (auto& h : heats) h->clearResults(now);
    roundValue3 = 0;
    roundValue4 = 0;
}

void KORVARound::swapPilots(std::int32_t a, std::int32_t b) {
    for (auto& h : heats) h->swapPilots(a, b);
}

void KORVARound::touchHeatsOf(std::int32_t pilot, Timestamp now) {
    bool changed = false;
    for (auto& h : heats) {
        if (h->containsPilot(pilot)) {
            h->touch(now);
            changed = true;
        }
    }
    if (changed && matrix) matrix->touch(now);
}

int KORVARound::firstSwapConflict(std::int32_t a, std::int32_t b, const PilotLookup& pilots,
                                  Timestamp now) {
    int result = 0;
    for (auto& h : heats) {
        const int r = h->swapWouldConflict(a, b, pilots, now);
        if (result == 0) result = r;
    }
    return result;
}

bool KORVARound::channelConflictInOpenHeats(std::int32_t pilot, std::int32_t channel,
                                            const PilotLookup& pilots) const {
    return std::any_of(heats.begin(), heats.end(), [&](const auto& h) {
        return !h->isComplete() && h->channelConflict(pilot, channel, pilots);
    });
}

void KORVARound::Serialize(Archive& ar) {
    if (ar.isStoring()) {
        for (std::int32_t v : {heatCount, 0, roundValue1, roundValue2, roundValue3, roundValue4,
                               roundValue5}) {
            ar.writeInt(v);
        }
        ar.writeSpare(20);
        ar.writeInt(recordVersion);
        ar.writeCount(heats.size());
        for (auto& h : heats) {
            ar.writeObjectTag("KORVAHeat");
            h->Serialize(ar);
        }
        return;
    }
    heatCount = ar.readInt();
    ar.readInt();
    for (std::int32_t* v : {&roundValue1, &roundValue2, &roundValue3, &roundValue4,
                            &roundValue5}) {
        *v = ar.readInt();
    }
    ar.readSpare(20);
    recordVersion = ar.readInt();
    if (recordVersion == 0) {
        ar.skipInts(19 + 20 + 20);
        ar.skipDoubles(20);
        ar.skipInts(20);
        recordVersion = 100;
    }
    heats.clear();
    const std::size_t n = ar.readCount(kMinTaggedBytes);
    for (std::size_t i = 0; i < n; ++i) {
        if (!ar.readObjectTag("KORVAHeat")) continue;  // a null element holds nothing
        auto heat = std::make_unique<KORVAHeat>();
        heat->Serialize(ar);
        heat->round = this;
        heats.push_back(std::move(heat));
    }
    // A damaged count would number the next heat wrongly; the list is what counts.
    heatCount = countOf(heats);
}

}  // namespace korva
