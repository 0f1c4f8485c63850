#include "matrix/ReadyField.h"

#include <algorithm>

#include "race/KORVARaceDoc.h"

namespace korva {

bool isReadyPilot(const KORVAPilot& p, int bracket, bool includeUnpaid, bool includeNoWaiver) {
    return p.bracket == bracket && p.active && !p.dqFlag && (p.paid || includeUnpaid) &&
           (p.signedWaiver || includeNoWaiver);
}

int ReadyField::conflictQuan() const {
    return static_cast<int>(std::count_if(channelCount.begin(), channelCount.end(),
                                          [](const auto& c) { return c.second >= 2; }));
}

int ReadyField::maxConflictedQuan() const {
    int most = 0;
    for (const auto& [channel, count] : channelCount) {
        if (count >= 2) most = std::max(most, count);
    }
    return most;
}

std::vector<int> ReadyField::uniqueChannels() const {
    std::vector<int> channels;
    for (const auto& [channel, count] : channelCount) channels.push_back(channel);
    return channels;
}

ReadyField collectReadyField(const KORVARaceDoc& doc, int bracket) {
    const KORVARaceMatrix& rm = doc.raceMatrix;
    ReadyField field;
    for (const auto& p : doc.pilots) {
        if (!isReadyPilot(*p, bracket, rm.IncludeUnpaid != 0, rm.IncludeNoWaiver != 0)) continue;
        field.pilots.push_back(p.get());
        ++field.channelCount[p->channel];
        field.maxChannelInUse = std::max(field.maxChannelInUse, p->channel);
        const int level = p->categoryLevel();
        if (level == 0) field.unlevelledName = p->fullName();
        field.minLevel = std::min(field.minLevel, level);
        field.maxLevel = std::max(field.maxLevel, level);
        if (p->lane1Affinity) field.anyLane1Affinity = true;
    }
    return field;
}

}  // namespace korva
