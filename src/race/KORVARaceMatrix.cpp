#include "race/KORVARaceMatrix.h"

#include "race/Archive.h"

namespace korva {

void KORVARaceMatrix::RecountChannels(const PilotArray& pilots, ChannelTable* raceChannelUse) {
    BracketPilotCount.fill(0);
    for (auto& table : ChannelUse) table.fill(0);
    if (raceChannelUse) raceChannelUse->fill(0);
    for (const auto& p : pilots) {
        if (!p->active || p->dqFlag) continue;
        if (p->bracket < 0 || p->bracket >= kBracketCount) continue;
        const auto b = static_cast<std::size_t>(p->bracket);
        ++BracketPilotCount[b];
        if (p->channel < 0 || p->channel >= kChannelCount) continue;
        const auto c = static_cast<std::size_t>(p->channel);
        ++ChannelUse[b][c];
        if (raceChannelUse) ++(*raceChannelUse)[c];
    }
    AnyBracketFilled = 0;
    for (std::size_t b = 0; b < kBracketCount; ++b) {
        CrowdedChannel[b] = -1;
        CrowdedChannelCount[b] = 0;
        for (int c = 0; c < kChannelCount; ++c) {
            const std::int32_t n = ChannelUse[b][static_cast<std::size_t>(c)];
            if (n > 1 && n > CrowdedChannelCount[b]) {
                CrowdedChannelCount[b] = n;
                CrowdedChannel[b] = c;
            }
        }
        if (BracketPilotCount[b] >= 2) AnyBracketFilled = 1;
    }
}

void KORVARaceMatrix::Serialize(Archive& ar, int channelEntries) {
    if (ar.isStoring()) {
        for (std::size_t b = 0; b < kBracketCount; ++b) {
            for (std::int32_t v : {PilotInfoChanged[b], Matrixed[b], BracketPilotCount[b],
                                   CrowdedChannelCount[b], CrowdedChannel[b], Selected[b]}) {
                ar.writeInt(v);
            }
            matrices[b].Serialize(ar);
        }
        for (const auto& table : ChannelUse) {
            for (std::int32_t v : table) ar.writeInt(v);
        }
        for (std::int32_t v : {RoundQuan, MaxHeatsPerRound, IncludeNoWaiver, IncludeUnpaid,
                               AnyBracketFilled, furtherWord}) {
            ar.writeInt(v);
        }
        ar.writeSpare(160);
        ar.writeInt(Version);
        return;
    }
    for (std::size_t b = 0; b < kBracketCount; ++b) {
        for (std::int32_t* v : {&PilotInfoChanged[b], &Matrixed[b], &BracketPilotCount[b],
                                &CrowdedChannelCount[b], &CrowdedChannel[b], &Selected[b]}) {
            *v = ar.readInt();
        }
        matrices[b].Serialize(ar);
    }
    for (auto& table : ChannelUse) {
        table.fill(0);
        for (int c = 0; c < channelEntries; ++c) table[static_cast<std::size_t>(c)] = ar.readInt();
    }
    for (std::int32_t* v : {&RoundQuan, &MaxHeatsPerRound, &IncludeNoWaiver, &IncludeUnpaid,
                            &AnyBracketFilled, &furtherWord}) {
        *v = ar.readInt();
    }
    ar.readSpare(160);
    Version = ar.readInt();
    if (Version == 0) {
        ar.skipInts(159 + 160 + 160);
        ar.skipDoubles(160);
        ar.skipInts(160);
        Version = 100;
    }
}

}  // namespace korva
