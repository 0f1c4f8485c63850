#include "scoring/StandingsScores.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "race/KORVARaceDoc.h"
#include "scoring/DiscardTable.h"

namespace korva {

namespace {

// Pilot numbers index the score tables; a damaged file may carry absurd ones, which then
// simply score nothing instead of sizing a table after them.
constexpr std::int32_t kNumberLimit = 1 << 16;

std::size_t tableSize(const KORVARaceDoc& doc) {
    std::int32_t highest = 0;
    for (const auto& p : doc.pilots) {
        if (p->pilotNumber > highest && p->pilotNumber < kNumberLimit) highest = p->pilotNumber;
    }
    return static_cast<std::size_t>(highest) + 1;
}

// Sums of points read from a damaged file may leave the int range; they stop at its ends.
std::int32_t clamped(std::int64_t sum) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

bool better(std::int32_t candidate, std::int32_t best) {
    return candidate != 0 && (best == 0 || candidate < best);
}

}  // namespace

bool isMatrixed(const KORVARaceDoc& doc, int bracket) {
    if (bracket < 0 || bracket >= kBracketCount) return false;
    return doc.raceMatrix.Matrixed[static_cast<std::size_t>(bracket)] != 0 &&
           doc.raceMatrix.matrix(bracket).hasRounds();
}

bool anyMatrixed(const KORVARaceDoc& doc) {
    for (int b = 0; b < kBracketCount; ++b) {
        if (isMatrixed(doc, b)) return true;
    }
    return false;
}

bool allRoundsComplete(const KORVARaceDoc& doc) {
    for (int b = 0; b < kBracketCount; ++b) {
        if (isMatrixed(doc, b) && !doc.raceMatrix.matrix(b).allRoundsComplete()) return false;
    }
    return anyMatrixed(doc);
}

int completedRounds(const KORVAMatrix& matrix) {
    return static_cast<int>(std::count_if(matrix.rounds.begin(), matrix.rounds.end(),
                                          [](const auto& r) { return r && r->allComplete(); }));
}

// One walk over a bracket's rounds. Each pilot's round value and round time come from the
// heats that hold it in a completed round; rounds that are not complete count for nothing,
// wherever they stand, so a heat reset early in the race never costs a later round.
class StandingsScores::Pass {
public:
    Pass(StandingsScores& owner, std::size_t size, Bracket& out)
        : fai_(owner.fai_),
          out_(out),
          marks_(owner.marks_),
          values_(owner.values_),
          touched_(owner.touched_) {
        out_.byNumber.assign(size, Score{});
        marks_.assign(size, Mark{});
    }

    void run(const KORVAMatrix& matrix) {
        out_.completed = korva::completedRounds(matrix);
        if (fai_) values_.assign(marks_.size() * static_cast<std::size_t>(out_.completed), 0);
        for (std::size_t r = 0; r < matrix.rounds.size(); ++r) {
            if (matrix.rounds[r]) readRound(*matrix.rounds[r], static_cast<int>(r) + 1);
        }
        if (fai_) sumWithDiscards();
    }

private:
    bool valid(std::int32_t number) const {
        return number > 0 && static_cast<std::size_t>(number) < marks_.size();
    }

    void readRound(const KORVARound& round, int roundNumber) {
        const bool complete = round.allComplete();
        touched_.clear();
        for (const auto& heat : round.heats) {
            if (!heat) continue;
            if (heat->isComplete()) noteFastest(*heat);
            for (int l = 0; l < KORVAHeat::kLanes; ++l) {
                const auto lane = static_cast<std::size_t>(l);
                const std::int32_t number = heat->lanePilot[lane];
                if (!valid(number)) continue;
                Mark& mark = marks_[static_cast<std::size_t>(number)];
                if (mark.laneRound != roundNumber) {
                    mark.laneRound = roundNumber;
                    out_.byNumber[static_cast<std::size_t>(number)].lane = l;
                }
                if (complete) take(mark, *heat, lane, number);
            }
        }
        if (!complete) return;
        for (std::int32_t number : touched_) fold(number);
        ++scoredRounds_;
    }

    // The first heat holding the pilot gives the time; the first nonzero points the value.
    void take(Mark& mark, const KORVAHeat& heat, std::size_t lane, std::int32_t number) {
        const int round = scoredRounds_ + 1;
        if (mark.scoreRound != round) {
            mark.scoreRound = round;
            mark.time = heat.laneTime[lane].totalHundredths;
            mark.cut = heat.laneCuts[lane] >= 1;
            mark.value = heat.lanePoints[lane];
            touched_.push_back(number);
        } else if (mark.value == 0) {
            mark.value = heat.lanePoints[lane];
        }
    }

    void fold(std::int32_t number) {
        const Mark& mark = marks_[static_cast<std::size_t>(number)];
        Score& score = out_.byNumber[static_cast<std::size_t>(number)];
        if (fai_) {
            values_[static_cast<std::size_t>(number) * static_cast<std::size_t>(out_.completed) +
                    static_cast<std::size_t>(scoredRounds_)] = mark.value;
            // A round without a score (a bye) is no low score.
            if (better(mark.value, score.best.total)) score.best = {mark.value, mark.cut};
        } else {
            score.total = clamped(std::int64_t{score.total} + mark.value);
            if (better(mark.time, score.best.total)) score.best = {mark.time, mark.cut};
        }
    }

    void noteFastest(const KORVAHeat& heat) {
        for (std::size_t l = 0; l < KORVAHeat::kLanes; ++l) {
            const std::int32_t time = heat.laneTime[l].totalHundredths;
            if (heat.lanePilot[l] == 0 || time == 0) continue;
            const std::int32_t value = fai_ ? faiScore(time, heat.laneCuts[l]) : time;
            if (better(value, out_.fastestLane)) out_.fastestLane = value;
        }
    }

    // FAI: the worst rounds (highest scores) are dropped; a round without a lane counts 0.
    void sumWithDiscards() {
        const auto n = static_cast<std::size_t>(out_.completed);
        const auto drop = static_cast<std::size_t>(discardedRounds(out_.completed));
        for (std::size_t number = 1; number < marks_.size(); ++number) {
            if (marks_[number].scoreRound == 0) continue;  // never flew a completed round
            // The `drop` largest values, largest first; there are always at least as many
            // rounds as discards.
            std::array<std::int32_t, kMostDiscarded> worst;
            worst.fill(std::numeric_limits<std::int32_t>::min());
            std::int64_t sum = 0;
            for (std::size_t r = 0; r < n; ++r) {
                std::int32_t v = values_[number * n + r];
                sum += v;
                for (std::size_t i = 0; i < drop; ++i) {
                    if (v > worst[i]) std::swap(v, worst[i]);
                }
            }
            for (std::size_t i = 0; i < drop; ++i) sum -= worst[i];
            out_.byNumber[number].total = clamped(sum);
        }
    }

    bool fai_;
    Bracket& out_;
    std::vector<Mark>& marks_;
    std::vector<std::int32_t>& values_;
    std::vector<std::int32_t>& touched_;
    int scoredRounds_ = 0;
};

void StandingsScores::compute(const KORVARaceDoc& doc) {
    fai_ = doc.faiClass != 0;
    const std::size_t size = tableSize(doc);
    for (int b = 0; b < kBracketCount; ++b) {
        Bracket& bracket = brackets_[static_cast<std::size_t>(b)];
        bracket.completed = 0;
        bracket.fastestLane = 0;
        Pass(*this, size, bracket).run(doc.raceMatrix.matrix(b));
    }
    refreshFastest(doc);
}

// Fly-off times count in a points race, for the pilots the pilot list shows that still
// take part.
void StandingsScores::refreshFastest(const KORVARaceDoc& doc) {
    for (Bracket& bracket : brackets_) bracket.fastest = bracket.fastestLane;
    if (fai_) return;
    for (const auto& p : doc.pilots) {
        if (p->bracket < 0 || p->bracket >= kBracketCount || p->dqFlag) continue;
        if (!doc.bracketUsed(p->bracket)) continue;
        if (!p->active && (!doc.showInactive || total(*p) == 0)) continue;
        Bracket& bracket = brackets_[static_cast<std::size_t>(p->bracket)];
        if (better(p->flyOffTime.totalHundredths, bracket.fastest)) {
            bracket.fastest = p->flyOffTime.totalHundredths;
        }
    }
}

const StandingsScores::Score* StandingsScores::find(const KORVAPilot& p) const {
    if (p.bracket < 0 || p.bracket >= kBracketCount || p.pilotNumber <= 0) return nullptr;
    const auto& table = brackets_[static_cast<std::size_t>(p.bracket)].byNumber;
    const auto number = static_cast<std::size_t>(p.pilotNumber);
    return number < table.size() ? &table[number] : nullptr;
}

int StandingsScores::completedRounds(int bracket) const {
    if (bracket < 0 || bracket >= kBracketCount) return 0;
    return brackets_[static_cast<std::size_t>(bracket)].completed;
}

std::int32_t StandingsScores::total(const KORVAPilot& p) const {
    const Score* s = find(p);
    return s && !p.dqFlag ? s->total : 0;
}

BestTime StandingsScores::roundBest(const KORVAPilot& p) const {
    const Score* s = find(p);
    return s && !p.dqFlag ? s->best : BestTime{};
}

BestTime StandingsScores::bestTime(const KORVAPilot& p) const {
    BestTime best = roundBest(p);
    if (fai_ || p.dqFlag) return best;
    const std::int32_t flyOff = p.flyOffTime.totalHundredths;
    if (better(flyOff, best.total)) best = {flyOff, p.flyOffCuts != 0};
    return best;
}

int StandingsScores::lane(const KORVAPilot& p) const {
    const Score* s = find(p);
    return s ? s->lane : -1;
}

std::int32_t StandingsScores::fastestOfBracket(int bracket) const {
    if (bracket < 0 || bracket >= kBracketCount) return 0;
    return brackets_[static_cast<std::size_t>(bracket)].fastest;
}

}  // namespace korva
