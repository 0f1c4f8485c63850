#pragma once
// The race's three bracket matrices with their per-bracket and race-wide summary values.

#include <array>
#include <cstdint>

#include "race/Classes.h"
#include "race/KORVAMatrix.h"
#include "race/KORVAPilot.h"

namespace korva {

using ChannelTable = std::array<std::int32_t, kChannelCount>;

class KORVARaceMatrix {
public:
    template <typename T>
    using PerBracket = std::array<T, kBracketCount>;

    PerBracket<std::int32_t> BracketPilotCount{};
    PerBracket<std::int32_t> CrowdedChannelCount{};
    PerBracket<std::int32_t> CrowdedChannel{-1, -1, -1};
    PerBracket<std::int32_t> PilotInfoChanged{};
    PerBracket<std::int32_t> Matrixed{};
    PerBracket<std::int32_t> Selected{};
    PerBracket<std::int32_t> BeginRound{1, 1, 1};  // not stored
    PerBracket<ChannelTable> ChannelUse{};
    std::int32_t RoundQuan = 0;
    std::int32_t MaxHeatsPerRound = 0;
    PerBracket<KORVAMatrix> matrices;
    std::int32_t IncludeNoWaiver = 1;
    std::int32_t IncludeUnpaid = 1;
    std::int32_t AnyBracketFilled = 0;
    std::int32_t furtherWord = 0;
    std::int32_t Version = 100;

    KORVAMatrix& matrix(int bracket) { return matrices[static_cast<std::size_t>(bracket)]; }
    const KORVAMatrix& matrix(int bracket) const {
        return matrices[static_cast<std::size_t>(bracket)];
    }

    // Counts the active, not disqualified pilots per bracket and channel.
    void RecountChannels(const PilotArray& pilots, ChannelTable* raceChannelUse = nullptr);

    // `channelEntries` is 60 for files of version text 111 and below.
    void Serialize(Archive& ar, int channelEntries = kChannelCount);
};

}  // namespace korva
