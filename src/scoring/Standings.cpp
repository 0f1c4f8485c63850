#include "scoring/Standings.h"

#include <algorithm>

#include "race/KORVARaceDoc.h"
#include "scoring/EnterResultsCommand.h"
#include "scoring/StandingsMessages.h"

namespace korva {

RaceStandings::RaceStandings(KORVARaceDoc& doc) : doc_(doc) {
    showFlyOffInfo = [this](const FlyOffInfo& info) {
        showFlyOffInfoMessage(doc_.services().ui, info);
    };
    update();
}

void RaceStandings::update() {
    scores_.compute(doc_);
}

const BracketStandings& RaceStandings::bracket(int b) const {
    static const BracketStandings none;
    return b >= 0 && b < kBracketCount ? brackets_[static_cast<std::size_t>(b)] : none;
}

FinishKey RaceStandings::finishKey(const KORVAPilot& p) const {
    return {p.bracket, scores_.total(p), p.flyOffPoints, scores_.bestTime(p)};
}

void RaceStandings::rebuild() {
    scores_.compute(doc_);
    totalTies_ = 0;
    for (int b = 0; b < kBracketCount; ++b) {
        brackets_[static_cast<std::size_t>(b)] = BracketStandings{};
        if (!isMatrixed(doc_, b)) continue;
        listBracket(b);
        totalTies_ += brackets_[static_cast<std::size_t>(b)].ties;
    }
    bool changed = doc_.totalTies != totalTies_;
    doc_.totalTies = totalTies_;
    if (anyMatrixed(doc_)) changed = settleFlyOffs() || changed;
    scores_.refreshFastest(doc_);
    // What the race file keeps changed: the race is not as it was saved.
    if (changed) doc_.setModified(true);
}

void RaceStandings::listBracket(int b) {
    BracketStandings& s = brackets_[static_cast<std::size_t>(b)];
    s.matrixed = true;
    s.completedRounds = scores_.completedRounds(b);
    for (const auto& p : doc_.pilots) {
        if (p->bracket != b) continue;
        if (s.entries.empty()) s.className = doc_.classNameOf(p->classIndex);
        const BestTime best = scores_.roundBest(*p);
        StandingsEntry e;
        e.pilot = p->pilotNumber;
        e.total = scores_.total(*p);
        e.bestTime = best.total;
        e.bestTimeCut = best.cut;
        e.channel = p->channel;
        e.lane = scores_.lane(*p);
        s.entries.push_back(e);
    }
    orderStandings(s.entries, doc_.faiClass != 0);
    findTies(s, doc_.awardPlaces);
}

// Tied pilots take part in a fly-off, everybody else leaves it. A pilot who stays tied
// keeps what the director already entered for its fly-off.
bool RaceStandings::settleFlyOffs() {
    std::vector<KORVAPilot*> tied;
    for (const BracketStandings& s : brackets_) {
        for (const StandingsEntry& e : s.entries) {
            if (!e.tied) continue;
            if (KORVAPilot* p = doc_.pilotByNumber(e.pilot)) tied.push_back(p);
        }
    }
    bool changed = false;
    auto set = [&changed](KORVAPilot& p, std::int32_t points) {
        const KORVAHeatTime zero;
        changed = changed || p.flyOffPoints != points || p.flyOffCuts != 0 || p.flyOffTime != zero;
        p.flyOffPoints = points;
        p.flyOffCuts = 0;
        p.flyOffTime = zero;
    };
    std::sort(tied.begin(), tied.end());
    for (const auto& p : doc_.pilots) {
        if (!std::binary_search(tied.begin(), tied.end(), p.get())) set(*p, -1);
    }
    for (KORVAPilot* p : tied) {
        if (p->flyOffPoints == -1) set(*p, 0);
    }
    return changed;
}

void recomputeStandings(RaceStandings& standings, bool finalFlag) {
    standings.rebuild();
    if (finalFlag) announceStandings(standings);
    const KORVARaceDoc& doc = standings.doc();
    if (standings.totalTies() > 0 && doc.resolveTiesByFlyOff) doc.services().ui.refreshViews(false);
}

EnterResultsHooks resultEntryHooks(RaceStandings& standings) {
    EnterResultsHooks hooks;
    hooks.runStandings = [&standings](int, bool finalFlag) {
        recomputeStandings(standings, finalFlag);
    };
    return hooks;
}

}  // namespace korva
