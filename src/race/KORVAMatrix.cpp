#include "race/KORVAMatrix.h"

#include <algorithm>

#include "race/Archive.h"
#include "race/Classes.h"
#include "race/KORVAPilot.h"

namespace korva {

namespace {
constexpr std::size_t kMinTaggedBytes = 2;
}

void KORVAMatrix::setClassCode(std::int32_t code) {
    ClassCode = code;
    bracketIndex = bracketOfClass(code);
}

KORVARound& KORVAMatrix::appendRound(std::unique_ptr<KORVARound> round) {
    // Counted from the list, never from the stored count: no overflow, no number twice.
    RoundCount = countOf(rounds) + 1;
    round->roundValue2 = RoundCount;
    round->matrix = this;
    rounds.push_back(std::move(round));
    return *rounds.back();
}

KORVARound* KORVAMatrix::roundAt(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= rounds.size()) return nullptr;
    return rounds[static_cast<std::size_t>(index)].get();
}

bool KORVAMatrix::anyRoundStarted() const {
    return std::any_of(rounds.begin(), rounds.end(), [](const auto& r) { return r->anyComplete(); });
}

bool KORVAMatrix::allRoundsComplete() const {
    return std::all_of(rounds.begin(), rounds.end(), [](const auto& r) { return r->allComplete(); });
}

int KORVAMatrix::maxHeatCount() const {
    int most = 0;
    for (const auto& r : rounds) most = std::max(most, static_cast<int>(r->heats.size()));
    return most;
}

void KORVAMatrix::removePilot(std::int32_t pilot, Timestamp now) {
    for (auto& r : rounds) {
        for (auto& h : r->heats) {
            for (std::int32_t& p : h->lanePilot) {
                if (p == pilot) {
                    p = 0;
                    h->touch(now);
                }
            }
        }
    }
}

int KORVAMatrix::laneOfPilot(std::int32_t pilot) const {
    for (auto it = rounds.rbegin(); it != rounds.rend(); ++it) {
        const int lane = (*it)->laneOf(pilot);
        if (lane >= 0) return lane;
    }
    return -1;
}

bool KORVAMatrix::roundAndHeatOf(std::int32_t pilot, int roundIndex, int& roundNumber,
                                 int& heatNumber) const {
    const KORVARound* r = roundAt(roundIndex);
    if (!r) return false;
    const int h = r->heatIndexOf(pilot);
    if (h < 0) return false;
    roundNumber = r->roundValue2;
    heatNumber = r->heats[static_cast<std::size_t>(h)]->heatNumber;
    return true;
}

bool KORVAMatrix::fliesInEveryOpenRound(std::int32_t pilot) const {
    return std::all_of(rounds.begin(), rounds.end(), [&](const auto& r) {
        return r->anyComplete() || r->heatIndexOf(pilot) >= 0;
    });
}

bool KORVAMatrix::swapInOpenRounds(const std::vector<std::pair<std::int32_t, std::int32_t>>& pairs,
                                   const PilotLookup& pilots) {
    for (auto& r : rounds) {
        if (r->anyComplete()) continue;
        for (const auto& [a, b] : pairs) r->swapPilots(a, b);
    }
    return FindChannelConflict(pilots) != 0;
}

int KORVAMatrix::FindChannelConflict(const PilotLookup& pilots, bool openHeatsOnly) const {
    for (const auto& r : rounds) {
        if (r->allComplete()) continue;
        const KORVAHeat* first = r->firstHeat();
        if (first && first->isComplete()) continue;
        for (const auto& h : r->heats) {
            if (openHeatsOnly && h->isComplete()) continue;
            if (h->anyChannelConflict(pilots)) return r->roundValue2;
        }
    }
    return 0;
}

void KORVAMatrix::restoreBackReferences() {
    for (auto& r : rounds) {
        r->matrix = this;
        for (auto& h : r->heats) h->round = r.get();
    }
}

void KORVAMatrix::Serialize(Archive& ar) {
    if (ar.isStoring()) {
        ar.writeInt(ClassCode);
        ar.writeInt(LaneQuan);
        ar.writeInt(RoundCount);
        ar.writeInt(MatrixTime[1]);
        ar.writeInt(MatrixTime[0]);
        ar.writeInt(furtherWords[0]);
        ar.writeInt(furtherWords[1]);
        ar.writeSpare(20);
        ar.writeInt(Version);
        ar.writeCount(rounds.size());
        for (auto& r : rounds) {
            ar.writeObjectTag("KORVARound");
            r->Serialize(ar);
        }
        return;
    }
    setClassCode(ar.readInt());
    LaneQuan = ar.readInt();
    RoundCount = ar.readInt();
    MatrixTime[1] = ar.readInt();
    MatrixTime[0] = ar.readInt();
    furtherWords[0] = ar.readInt();
    furtherWords[1] = ar.readInt();
    ar.readSpare(20);
    Version = ar.readInt();
    if (Version == 0) {
        ar.skipInts(19 + 20 + 20);
        ar.skipDoubles(20);
        ar.skipInts(20);
        Version = 100;
        MatrixTime[0] = ar.clock().now();
    }
    rounds.clear();
    const std::size_t n = ar.readCount(kMinTaggedBytes);
    for (std::size_t i = 0; i < n; ++i) {
        if (!ar.readObjectTag("KORVARound")) continue;
        auto round = std::make_unique<KORVARound>();
        round->Serialize(ar);
        rounds.push_back(std::move(round));
    }
    // A damaged count would number the next round wrongly; the list is what counts.
    RoundCount = countOf(rounds);
    restoreBackReferences();
}

}  // namespace korva
