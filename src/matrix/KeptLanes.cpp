#include "matrix/KeptLanes.h"

#include <algorithm>
#include <map>
#include <set>

#include "race/KORVARaceDoc.h"

namespace korva {

KeptLanes readKeptLanes(const KORVAMatrix& matrix, const KORVARaceDoc& doc,
                        const ReadyField& field) {
    KeptLanes kept;
    const KORVARound* first = matrix.roundAt(0);
    if (!first) return kept;
    kept.lanes = std::clamp(first->roundValue5, 0, kMaxLanes);
    const std::set<const KORVAPilot*> ready(field.pilots.begin(), field.pilots.end());
    std::set<const KORVAPilot*> seen;
    std::map<int, int> laneOfChannel;
    int found = 0;
    for (const auto& heat : first->heats) {
        for (int l = 0; l < kept.lanes; ++l) {
            const std::int32_t number = heat->lanePilot[static_cast<std::size_t>(l)];
            if (number != 0) ++found;
            const KORVAPilot* p = number != 0 ? doc.pilotByNumber(number) : nullptr;
            if (p && (!ready.contains(p) || !seen.insert(p).second)) p = nullptr;
            kept.lists[static_cast<std::size_t>(l)].push_back(p);
            if (!p) continue;
            ++kept.pilots;
            const auto [it, inserted] = laneOfChannel.emplace(p->channel, l);
            if (!inserted && it->second != l && p->channel < kPseudoChannel && kept.channel < 0) {
                kept.channel = p->channel;
            }
        }
    }
    if (found != field.size()) kept.pilots = found;
    for (const LaneList& list : kept.lists) {
        kept.longest = std::max(kept.longest, static_cast<int>(list.size()));
    }
    if (kept.pilots != field.size()) {
        kept.outcome = KeptLanes::Outcome::CountDiffers;
    } else if (kept.channel >= 0) {
        kept.outcome = KeptLanes::Outcome::ChannelSplit;
    } else {
        kept.outcome = KeptLanes::Outcome::Kept;
    }
    return kept;
}

}  // namespace korva
