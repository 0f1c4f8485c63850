#pragma once
// Generation of one bracket's matrix: lanes per heat, heats per round, channel grouping
// into lanes, byes and power balancing, then the scattering into rounds.

#include <cstdint>
#include <optional>

#include "matrix/ProgressTick.h"
#include "matrix/TrialScorer.h"

namespace korva {

class KORVARaceDoc;
class MatrixTrace;

// Heat lists of more heats than this are refused: the search grows with the cube of it.
inline constexpr int kMaxHeatsPerRound = 64;

struct GenerationOptions {
    std::optional<std::uint32_t> seed;  // replaces the clock as the seed of each generation
    ScorerFactory scorer;               // empty: the program's own search
    ProgressTick tick;                  // called now and then while the lanes and rounds are built
};

struct GenerationContext {
    KORVARaceDoc& doc;
    MatrixTrace& trace;
    GenerationOptions options;
};

// Generates the bracket's rounds BeginRound..RoundQuan with the given class code; true when
// the matrix was generated. `heatsChanged` is set when the heats per round changed.
bool DoSingleMatrix(GenerationContext& ctx, int bracket, int classCode, bool& heatsChanged);

}  // namespace korva
