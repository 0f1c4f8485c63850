#pragma once
// The "Build heat matrix" command: the Matrix form, the readiness checks and warnings, and
// the generation of every selected bracket.

#include <array>
#include <functional>

#include "matrix/MatrixForm.h"
#include "matrix/MatrixGenerator.h"
#include "matrix/MatrixTrace.h"

namespace korva {

class KORVARaceDoc;

struct MatrixHooks {
    // Writes the timing-system file of one matrixed bracket; called after a successful
    // build when the race asks for the file. Empty until that file exists.
    std::function<void(KORVARaceDoc& doc, int bracket)> writeTimingFile;
};

class MatrixCommand {
public:
    explicit MatrixCommand(KORVARaceDoc& doc, GenerationOptions options = {});

    MatrixHooks hooks;

    // The whole command; heatsChanged is set when some bracket's heats per round changed.
    bool BuildMatrix(MatrixFormUser& forms, bool& heatsChanged);
    // Generates every selected bracket from BeginRound to RoundQuan.
    bool GenerateAllClasses(bool& heatsChanged);
    // Generates again the rounds not yet started of every matrixed bracket, each up to its
    // last round (after a change of the lane rotation, say).
    bool RegenerateOpenRounds(bool& heatsChanged);
    // True when every active pilot of the bracket has a safety-checked primary plane.
    bool CheckPlanesReady(int bracket);
    // Whether the last generation built the bracket (a locked bracket is skipped).
    bool built(int bracket) const { return built_[static_cast<std::size_t>(bracket)]; }

    MatrixTrace& trace() { return trace_; }

private:
    // Shows the form until it passes its checks; nullopt on Cancel.
    std::optional<MatrixForm> runForm(MatrixFormUser& forms, MatrixForm form);
    // The waiver and paid warnings; false on Cancel.
    bool askExclusions(const MatrixForm& form, bool& includeNoWaiver, bool& includeUnpaid);
    // One bracket with its traces, or its lock message; false when its generation failed.
    bool generateBracket(GenerationContext& ctx, int bracket, bool& heatsChanged);

    KORVARaceDoc& doc_;
    MatrixTrace trace_;
    GenerationOptions options_;
    std::array<bool, kBracketCount> built_{};
};

}  // namespace korva
