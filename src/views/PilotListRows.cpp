#include "views/PilotListRows.h"

#include <algorithm>

#include "race/KORVARaceDoc.h"
#include "scoring/FinishOrder.h"
#include "scoring/StandingsScores.h"
#include "ui/Format.h"
#include "ui/Strings.h"
#include "views/ListText.h"

namespace korva {

namespace {

constexpr PilotColumn kAllColumns[] = {
    PilotColumn::Name,    PilotColumn::Number, PilotColumn::Class, PilotColumn::Points,
    PilotColumn::LowTime, PilotColumn::Chan,   PilotColumn::Lane,  PilotColumn::Korva,
};

std::string hundredthsText(std::int32_t value) {
    return cformat("%d.%02d", value / 100, value % 100);
}

template <typename T>
int threeWay(const T& a, const T& b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

// The channel counts only below the pseudo channels, where two pilots would interfere.
bool shared(const ChannelTable& table, int channel) {
    return channel >= 0 && channel < kPseudoChannel && table[static_cast<std::size_t>(channel)] > 1;
}

}  // namespace

struct PilotListRows::SortKey {
    const KORVAPilot* pilot;
    FinishKey finish;  // the standings values: points and low-time columns only
    int lane;
    std::string text;  // the column's text key: name or association number, lowered
};

PilotListRows::PilotListRows(KORVARaceDoc& doc, const StandingsSource& standings)
    : doc_(doc), standings_(standings), filter_(doc.bracketFilter), rules_(finishRules(doc)) {}

bool canAddPlane(const KORVARaceDoc& doc) {
    const KORVAPilot* selected = doc.pilotByNumber(doc.currentSelection);
    return selected && selected->planeCount < kMaxPlanesPerPilot;
}

bool canPrintHeatDetails(const KORVARaceDoc& doc, const PilotListRows& list) {
    if (list.rows().empty()) return false;
    for (const KORVAMatrix& m : doc.raceMatrix.matrices) {
        for (const auto& round : m.rounds) {
            if (round->allComplete()) return true;
        }
    }
    return false;
}

bool PilotListRows::fai() const {
    return doc_.faiClass != 0;
}

bool PilotListRows::shows(const KORVAPilot& p) const {
    return (p.active || doc_.showInactive) && doc_.bracketUsed(p.bracket) &&
           (filter_ == -1 || filter_ == p.bracket);
}

void PilotListRows::refill() {
    rows_.clear();
    for (const auto& p : doc_.pilots) {
        if (shows(*p)) rows_.push_back(p.get());
    }
    sort();
}

void PilotListRows::setSortColumn(PilotColumn column) {
    sortColumn_ = column;
    sort();
}

void PilotListRows::setFilter(int bracket) {
    filter_ = bracket;
    doc_.bracketFilter = bracket;
    refill();
}

PilotListRows::SortKey PilotListRows::keyOf(const KORVAPilot& p) const {
    SortKey k{&p, {}, -1, {}};
    switch (sortColumn_) {
        case PilotColumn::Points:
        case PilotColumn::LowTime:
            k.finish = {p.bracket, standings_.total(p), p.flyOffPoints, standings_.bestTime(p)};
            break;
        case PilotColumn::Lane:
            if (p.bracket >= 0 && p.bracket < kBracketCount) {
                k.lane = doc_.raceMatrix.matrix(p.bracket).laneOfPilot(p.pilotNumber);
            }
            break;
        case PilotColumn::Korva: k.text = lowerCased(p.associationNumber); break;
        case PilotColumn::Name:
        case PilotColumn::Class:
        case PilotColumn::Chan: k.text = nameSortKey(p); break;
        case PilotColumn::Number: break;
    }
    return k;
}

void PilotListRows::sort() {
    rules_ = finishRules(doc_);
    std::vector<SortKey> keys;
    keys.reserve(rows_.size());
    for (const KORVAPilot* p : rows_) keys.push_back(keyOf(*p));
    std::stable_sort(keys.begin(), keys.end(),
                     [this](const SortKey& a, const SortKey& b) { return before(a, b); });
    for (std::size_t i = 0; i < keys.size(); ++i) rows_[i] = keys[i].pilot;
}

bool PilotListRows::before(const SortKey& a, const SortKey& b) const {
    const KORVAPilot& p = *a.pilot;
    const KORVAPilot& q = *b.pilot;
    int c = 0;
    switch (sortColumn_) {
        case PilotColumn::Name: c = threeWay(a.text, b.text); break;
        case PilotColumn::Number: c = threeWay(p.pilotNumber, q.pilotNumber); break;
        case PilotColumn::Class:
            c = p.classIndex != q.classIndex ? threeWay(p.classIndex, q.classIndex)
                                             : threeWay(a.text, b.text);
            break;
        case PilotColumn::Points: c = compareFinishOrder(a.finish, b.finish, rules_); break;
        case PilotColumn::LowTime:
            c = p.bracket != q.bracket ? threeWay(p.bracket, q.bracket)
                                       : compareBestTimes(a.finish.best, b.finish.best);
            if (c == 0) c = compareTotals(a.finish.total, b.finish.total, rules_.fai);
            break;
        case PilotColumn::Chan:
            c = p.channel != q.channel ? threeWay(p.channel, q.channel) : threeWay(a.text, b.text);
            break;
        case PilotColumn::Lane: c = threeWay(a.lane, b.lane); break;
        case PilotColumn::Korva: c = threeWay(a.text, b.text); break;
    }
    return c < 0;
}

std::vector<PilotColumn> PilotListRows::columns() const {
    std::vector<PilotColumn> shown;
    for (PilotColumn c : kAllColumns) {
        if (c == PilotColumn::Lane && fai() && doc_.rotateEvery != 0) continue;
        if (c == PilotColumn::Korva && fai()) continue;
        shown.push_back(c);
    }
    return shown;
}

std::string PilotListRows::columnTitle(PilotColumn column) const {
    switch (column) {
        case PilotColumn::Name: return "Name";
        case PilotColumn::Number: return "#";
        case PilotColumn::Class: return "Class";
        case PilotColumn::Points: return fai() ? "Score" : "Points";
        case PilotColumn::LowTime: return fai() ? "Low Score" : "Low Time";
        case PilotColumn::Chan: return "Chan";
        case PilotColumn::Lane: return "Lane";
        case PilotColumn::Korva: return "KORVA";
    }
    return {};
}

ColumnWidthKey PilotListRows::widthKey(PilotColumn column) {
    return pilotColumnWidths()[static_cast<std::size_t>(column)];
}

int PilotListRows::columnWidth(const SettingsStore& settings, PilotColumn column) {
    return readPilotColumnWidth(settings, widthKey(column));
}

std::string PilotListRows::pointsText(const KORVAPilot& p) const {
    if (p.dqFlag) return fai() ? "0.00" : "0";
    const std::int32_t total = standings_.total(p);
    const std::string value = fai() ? hundredthsText(total) : cformat("%d", total);
    if (rules_.flyOffApplies && p.flyOffPoints != -1) {
        return cformat("F%d %s", p.flyOffPoints, value);
    }
    return value;
}

std::string PilotListRows::lowTimeText(const KORVAPilot& p) const {
    if (p.dqFlag) return fai() ? "0.00" : "0:00.00";
    const BestTime best = standings_.bestTime(p);
    std::string value;
    if (fai()) {
        value = hundredthsText(best.total);
    } else {
        KORVAHeatTime time;
        time.setTotal(best.total);
        value = time.text();
    }
    const bool fastest = best.total != 0 && best.total == standings_.fastestOfBracket(p.bracket);
    if (fastest) return (best.cut ? "C* " : "** ") + value;
    return best.cut ? "C " + value : value;
}

std::string PilotListRows::laneText(const KORVAPilot& p) const {
    if (p.bracket < 0 || p.bracket >= kBracketCount) return " ";
    const int lane = doc_.raceMatrix.matrix(p.bracket).laneOfPilot(p.pilotNumber);
    return lane < 0 ? " " : cformat("%d", lane + 1);
}

std::string PilotListRows::cellText(const KORVAPilot& p, PilotColumn column) const {
    switch (column) {
        case PilotColumn::Name: return listName(p);
        case PilotColumn::Number: return cformat("%d", p.pilotNumber);
        case PilotColumn::Class: return doc_.classNameOf(p.classIndex);
        case PilotColumn::Points: return pointsText(p);
        case PilotColumn::LowTime: return lowTimeText(p);
        case PilotColumn::Chan: return cformat("%d", p.channel);
        case PilotColumn::Lane: return laneText(p);
        case PilotColumn::Korva: return p.associationNumber;
    }
    return {};
}

int PilotListRows::statusIcon(const KORVAPilot& p) const {
    if (!p.signedWaiver) return kIconNoWaiver;
    if (!p.paid) return kIconUnpaid;
    if (p.dqFlag) return kIconDisqualified;
    if (!p.active) return kIconInactive;
    if (p.primaryPlane(doc_.planes) == 0) return kIconNoPrimaryPlane;
    if (!p.primaryPlaneSafetyChecked(doc_.planes)) return kIconNotSafetyChecked;
    if (p.bracket >= 0 && p.bracket < kBracketCount &&
        shared(doc_.raceMatrix.ChannelUse[static_cast<std::size_t>(p.bracket)], p.channel)) {
        return kIconChannelInBracket;
    }
    if (shared(doc_.channelUse, p.channel)) return kIconChannelInRace;
    return kIconPlain;
}

std::string PilotListRows::title() const {
    return std::string(text(str::kPilots)) + " - " + doc_.raceTitle;
}

}  // namespace korva
