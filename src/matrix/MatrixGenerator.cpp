#include "matrix/MatrixGenerator.h"

#include <algorithm>

#include "matrix/ByeInsertion.h"
#include "matrix/FaiRotation.h"
#include "matrix/KeptLanes.h"
#include "matrix/LaneAssignment.h"
#include "matrix/LaneQuantity.h"
#include "matrix/LaneScatter.h"
#include "matrix/LaneTables.h"
#include "matrix/MatrixTrace.h"
#include "matrix/ReadyField.h"
#include "race/KORVARaceDoc.h"
#include "ui/Messages.h"

namespace korva {

namespace {

constexpr int kRescoredId = 251;
constexpr int kRoundStartedId = 250;
constexpr int kChangedScoredId = 414;
constexpr int kUnchangedId = 415;
constexpr int kChangedId = 419;
constexpr int kPartialPowerId = 129;
constexpr int kCrowdedId = 174;
constexpr int kOverflowId = 416;
constexpr int kKeptCountId = 430;
constexpr int kShuffleSwaps = 200;
constexpr int kPowerAttempts = 10000;
constexpr int kAttempts = 1000;

struct Generation {
    GenerationContext& ctx;
    KORVARaceDoc& doc;
    KORVARaceMatrix& rm;
    KORVAMatrix& matrix;
    Interaction& ui;
    MatrixTrace& trace;
    int bracket;
    std::string className;
    int roundQuan;
    int beginRound;
    Timestamp now;
};

bool anyRoundStartedBefore(const KORVAMatrix& m, int end) {
    for (int j = 0; j < end; ++j) {
        if (const KORVARound* r = m.roundAt(j); r && r->anyComplete()) return true;
    }
    return false;
}

bool refuseTooLarge(Generation& g, int heats) {
    if (heats <= kMaxHeatsPerRound) return false;
    showWarning(g.ui, str::kFieldTooLarge, g.className, heats, kMaxHeatsPerRound);
    return true;
}

// Yes/No/Cancel: rematrix, keep lanes, or give up (nullopt).
std::optional<bool> askRematrix(Generation& g, bool scored) {
    if (!g.rm.Matrixed[static_cast<std::size_t>(g.bracket)]) return true;
    const bool changed = g.rm.PilotInfoChanged[static_cast<std::size_t>(g.bracket)] != 0;
    const int id = changed ? (scored ? kChangedScoredId : kChangedId) : kUnchangedId;
    const Answer a =
        showMessage(g.ui, id, Icon::Warning, Buttons::YesNoCancel, Answer::Yes, g.className);
    if (a == Answer::Cancel) return std::nullopt;
    return a == Answer::Yes;
}

// Power balancing needs a level for every pilot; nullopt when the user gives up.
std::optional<bool> decidePower(Generation& g, const ReadyField& field) {
    if (field.maxLevel < 1) return false;
    if (field.minLevel >= 1) return true;
    if (showMessage(g.ui, kPartialPowerId, Icon::Warning, Buttons::YesNoCancel, Answer::Yes,
                    field.unlevelledName) != Answer::Yes) {
        return std::nullopt;
    }
    return false;
}

std::vector<const KORVAPilot*> shuffledPilots(Generation& g, const ReadyField& field) {
    CRandom& random = g.doc.services().random;
    random.seed(g.ctx.options.seed.value_or(static_cast<std::uint32_t>(g.now)));
    std::vector<const KORVAPilot*> pilots = field.pilots;
    const auto n = static_cast<int>(pilots.size());
    for (int i = 0; i < kShuffleSwaps; ++i) {
        const int a = random.rand() % n;
        const int b = random.rand() % n;
        std::swap(pilots[static_cast<std::size_t>(a)], pilots[static_cast<std::size_t>(b)]);
    }
    return pilots;
}

// Keep-lanes mode; false (after telling the user) when round 1 cannot be kept.
bool prepareKeptLanes(Generation& g, const ReadyField& field, ScatterRequest& rq) {
    const KeptLanes kept = readKeptLanes(g.matrix, g.doc, field);
    switch (kept.outcome) {
        case KeptLanes::Outcome::NoFirstRound:
            showWarning(g.ui, str::kKeepLanesNoFirstRound, g.doc.bracketName(g.bracket));
            return false;
        case KeptLanes::Outcome::CountDiffers:
            showWarning(g.ui, kKeptCountId, g.className, field.size(), kept.pilots);
            return false;
        case KeptLanes::Outcome::ChannelSplit:
            showWarning(g.ui, str::kKeepLanesChannelSplit, g.doc.bracketName(g.bracket),
                        kept.channel);
            return false;
        case KeptLanes::Outcome::Kept: break;
    }
    // The first round may have had more heats (an earlier overflow) or another lane count;
    // every kept slot must still fly.
    rq.lanes = kept.lanes;
    rq.heatsPerRound = std::max(rq.heatsPerRound, kept.longest);
    rq.grouped = kept.lists;
    g.matrix.LaneQuan = rq.lanes;
    return !refuseTooLarge(g, rq.heatsPerRound);
}

bool prepareNewLanes(Generation& g, const ReadyField& field,
                     std::vector<const KORVAPilot*> shuffled, bool power, ScatterRequest& rq) {
    AssignmentInput in;
    in.shuffled = std::move(shuffled);
    in.channels = field.uniqueChannels();
    in.channelCount = field.channelCount;
    in.lanes = rq.lanes;
    in.heats = rq.heatsPerRound;
    in.attempts = power ? kPowerAttempts : kAttempts;
    in.powerBalancing = power;
    in.anyLane1Affinity = field.anyLane1Affinity;
    in.tick = g.ctx.options.tick;
    const LaneAssignment best = assignLanes(in, g.doc.services().random);
    if (best.grouped.overflow > 0) {
        rq.heatsPerRound += best.grouped.overflow;
        if (refuseTooLarge(g, rq.heatsPerRound)) return false;
        showWarning(g.ui, kOverflowId, g.doc.bracketName(g.bracket));
    }
    rq.grouped = best.grouped.lists;
    rq.spread = best.spread.lists;
    rq.spreadSlack = best.spread.slack;
    return true;
}

void addByes(Generation& g, ScatterRequest& rq) {
    const int L = rq.lanes, H = rq.heatsPerRound;
    traceLaneTable(g.trace, "\nAll Pilot Numbers and Channels Now Assiged to Lanes, GROUPED BYES",
                   rq.grouped, L, H, LaneTableKind::Assigned);
    if (rq.rematrix) {
        traceLaneTable(g.trace,
                       "\nAll Pilot Numbers and Channels Now Assiged to Lanes, SPREAD BYES",
                       rq.spread, L, H, LaneTableKind::Assigned);
    }
    CRandom& random = g.doc.services().random;
    for (int l = 0; l < L; ++l) insertByes(rq.grouped[static_cast<std::size_t>(l)], H, random);
    if (rq.rematrix) {
        for (int l = 0; l < L; ++l) insertByes(rq.spread[static_cast<std::size_t>(l)], H, random);
    }
    traceLaneTable(g.trace, "Add NULLs to Empty SLots, Grouped Byes", rq.grouped, L, H,
                   LaneTableKind::WithByes);
    if (rq.rematrix) {
        traceLaneTable(g.trace, "Add NULLs to Empty SLots, Spread Byes", rq.spread, L, H,
                       LaneTableKind::WithByes);
    }
}

// Rounds that were rebuilt lose the heats past the new heats per round.
void removeSurplusHeats(Generation& g, int heats) {
    for (int i = g.beginRound - 1; i < g.roundQuan; ++i) {
        KORVARound* round = g.matrix.roundAt(i);
        if (!round || round->anyComplete()) continue;
        while (static_cast<int>(round->heats.size()) > heats) round->removeLastHeat();
    }
}

// Steps up to the lane lists; false when the bracket cannot (or need not) be generated.
bool checkExistingRounds(Generation& g, bool& scored, int& previousHeats) {
    scored = anyRoundStartedBefore(g.matrix, g.roundQuan);
    const KORVARound* last = g.matrix.roundAt(g.roundQuan - 1);
    previousHeats = last ? last->heatCount : 0;
    if (scored && showMessage(g.ui, kRescoredId, Icon::Warning, Buttons::YesNo, Answer::No,
                              g.className) != Answer::Yes) {
        return false;
    }
    for (int i = g.beginRound - 1; i < g.roundQuan; ++i) {
        if (const KORVARound* r = g.matrix.roundAt(i); r && r->anyComplete()) {
            showError(g.ui, kRoundStartedId, i + 1);
            return false;
        }
    }
    return true;
}

void traceChannels(Generation& g, const ReadyField& field) {
    g.trace.value("MaxChannelInUse=", field.maxChannelInUse);
    g.trace.value("UniqueChannelQuan=", static_cast<int>(field.channelCount.size()));
    g.trace.value("ConflictQuan=", field.conflictQuan());
    g.trace.value("MaxConflictedQuan=", field.maxConflictedQuan());
}

}  // namespace

bool DoSingleMatrix(GenerationContext& ctx, int bracket, int classCode, bool& heatsChanged) {
    KORVARaceDoc& doc = ctx.doc;
    KORVAMatrix& matrix = doc.raceMatrix.matrix(bracket);
    const int roundQuan = doc.raceMatrix.RoundQuan;
    // Rounds are numbered without gaps: a begin round past the existing rounds starts
    // right after them.
    const int beginRound = std::clamp(doc.raceMatrix.BeginRound[static_cast<std::size_t>(bracket)],
                                      1, static_cast<int>(matrix.rounds.size()) + 1);
    Generation g{ctx,
                 doc,
                 doc.raceMatrix,
                 matrix,
                 doc.services().ui,
                 ctx.trace,
                 bracket,
                 doc.classNameOf(classCode),
                 roundQuan,
                 beginRound,
                 doc.services().clock.now()};
    g.trace.line("DoSingleMatrix()");

    bool scored = false;
    int previousHeats = 0;
    if (!checkExistingRounds(g, scored, previousHeats)) return false;

    g.trace.line("PreMatrix Setup");
    g.trace.value("TotalPilotQuan=", static_cast<int>(doc.pilots.size()));
    const ReadyField field = collectReadyField(doc, bracket);
    const std::optional<bool> rematrix = askRematrix(g, scored);
    if (!rematrix) return false;
    const std::optional<bool> power = decidePower(g, field);
    if (!power) return false;

    const int n = field.size();
    g.trace.value("Ready Pilot quantity for this class=", n);
    if (n == 0) {
        showWarning(g.ui, str::kNoReadyPilots, g.className);
        return false;
    }
    std::vector<const KORVAPilot*> shuffled = shuffledPilots(g, field);
    traceChannels(g, field);
    matrix.setClassCode(classCode);

    LaneQuantityInput lq;
    lq.readyPilots = n;
    lq.uniqueChannels = static_cast<int>(field.channelCount.size());
    lq.maxConflicted = field.maxConflictedQuan();
    lq.maxLanes = doc.maxLanes[static_cast<std::size_t>(bracket)];
    lq.minLanes = doc.minLanes[static_cast<std::size_t>(bracket)];
    lq.maxThreeLanes = doc.maxThreeLanes != 0;
    lq.heatsScored = matrix.anyRoundStarted();
    lq.storedLaneQuan = matrix.LaneQuan;
    const int lanes = chooseLaneQuantity(lq, g.trace);
    if (lq.maxConflicted > n / 2) {
        showError(g.ui, kCrowdedId, g.className,
                  doc.raceMatrix.CrowdedChannel[static_cast<std::size_t>(bracket)]);
        return false;
    }

    WaitCursor wait(g.ui);
    ScatterRequest rq;
    rq.lanes = lanes;
    rq.bracket = bracket;
    rq.heatsPerRound = heatsPerRound(n, lanes, lq.maxConflicted);
    rq.rematrix = *rematrix;
    rq.scorer = ctx.options.scorer;
    rq.tick = ctx.options.tick;
    g.trace.value("HeatsPerRound=", rq.heatsPerRound);
    if (refuseTooLarge(g, rq.heatsPerRound)) return false;
    matrix.LaneQuan = lanes;
    matrix.MatrixTime[0] = g.now;

    const bool buildRounds = doc.matrixType != 1;
    if (buildRounds) {
        const bool prepared = rq.rematrix
                                  ? prepareNewLanes(g, field, std::move(shuffled), *power, rq)
                                  : prepareKeptLanes(g, field, rq);
        if (!prepared) return false;
        addByes(g, rq);
        ScatterTarget target{matrix, roundQuan, beginRound, g.ui, g.trace, g.now};
        ScatterPilotsInSameLanes(target, rq);
        doc.raceMatrix.MaxHeatsPerRound =
            std::max(doc.raceMatrix.MaxHeatsPerRound, rq.heatsPerRound);
    }

    matrix.MatrixTime = {g.now, g.now};
    if (rq.heatsPerRound != previousHeats) {
        if (previousHeats != 0) {
            g.trace.line("Pilot spread caused HeatsPerRound to change");
            g.trace.value("  - Previous=", previousHeats);
            g.trace.value("  -  Current=", rq.heatsPerRound);
        }
        heatsChanged = true;
    }
    if (buildRounds) {
        removeSurplusHeats(g, rq.heatsPerRound);
        if (doc.faiClass && doc.rotateEvery > 0) {
            rotateFaiLanes(matrix, beginRound, roundQuan, doc.rotateEvery, rq.lanes, g.now);
        }
    }
    return true;
}

}  // namespace korva
