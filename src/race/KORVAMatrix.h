#pragma once
// One bracket's heat matrix: its rounds with their heats.

#include <array>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "race/KORVARound.h"

namespace korva {

class KORVAMatrix {
public:
    std::int32_t ClassCode = -1;
    std::int32_t bracketIndex = -1;  // derived from ClassCode, not stored
    std::int32_t LaneQuan = 0;
    std::int32_t RoundCount = 0;
    std::int32_t Version = 100;
    std::vector<std::unique_ptr<KORVARound>> rounds;
    // [0] is renewed whenever a heat changes; [1] is written first in the file.
    std::array<Timestamp, 2> MatrixTime{};
    std::array<std::int32_t, 2> furtherWords{};

    KORVAMatrix() = default;
    KORVAMatrix(const KORVAMatrix&) = delete;
    KORVAMatrix& operator=(const KORVAMatrix&) = delete;

    void setClassCode(std::int32_t code);
    bool hasRounds() const { return !rounds.empty(); }

    // Appends a round, numbering it and pointing it at this matrix.
    KORVARound& appendRound(std::unique_ptr<KORVARound> round);
    KORVARound* roundAt(int index) const;
    bool anyRoundStarted() const;
    bool allRoundsComplete() const;
    int maxHeatCount() const;
    void removePilot(std::int32_t pilot, Timestamp now);
    // Lane of the pilot in the last round that has it; -1 when none.
    int laneOfPilot(std::int32_t pilot) const;
    // Round and heat (both 1-based) in which the pilot flies in round index `roundIndex`.
    bool roundAndHeatOf(std::int32_t pilot, int roundIndex, int& roundNumber,
                        int& heatNumber) const;
    bool fliesInEveryOpenRound(std::int32_t pilot) const;
    // Swaps each pair in every round not yet started; true when a channel conflict results.
    bool swapInOpenRounds(const std::vector<std::pair<std::int32_t, std::int32_t>>& pairs,
                          const PilotLookup& pilots);
    // Number of the first open round holding two pilots on one real channel; 0 when none.
    // With openHeatsOnly, heats that have results (which no swap may change) are passed over.
    int FindChannelConflict(const PilotLookup& pilots, bool openHeatsOnly = false) const;
    void touch(Timestamp now) { MatrixTime[0] = now; }
    void restoreBackReferences();

    void Serialize(Archive& ar);
};

}  // namespace korva
