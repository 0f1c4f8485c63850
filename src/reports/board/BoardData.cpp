#include "reports/board/BoardData.h"

#include <algorithm>
#include <charconv>
#include <set>

#include "race/Classes.h"
#include "race/KORVARaceDoc.h"
#include "race/TextCodec.h"
#include "reports/HeatTexts.h"
#include "reports/LanePictures.h"
#include "reports/PrintLook.h"
#include "reports/html/ColorLegends.h"
#include "scoring/Standings.h"
#include "views/HeatCardText.h"
#include "views/ListText.h"
#include "views/PilotListRows.h"

namespace korva {

namespace {

std::string titleCased(std::string word) {
    for (std::size_t i = 1; i < word.size(); ++i) {
        if (word[i] >= 'A' && word[i] <= 'Z') word[i] = static_cast<char>(word[i] - 'A' + 'a');
    }
    return word;
}

std::string trimmed(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

BoardHeat boardHeat(const KORVARaceDoc& doc, const KORVARound& round, const KORVAHeat& heat,
                    bool resultTexts) {
    BoardHeat out{round.number(), heat.heatNumber, heat.isComplete(), {}};
    const bool fai = doc.faiClass != 0;
    for (std::size_t l = 0; l < heat.lanePilot.size(); ++l) {
        const KORVAPilot* p = doc.pilotByNumber(heat.lanePilot[l]);
        if (!p) continue;
        BoardLane lane;
        lane.lane = static_cast<int>(l) + 1;
        lane.pilot = p->pilotNumber;
        lane.name = p->shortName();
        lane.channel = printedChannel(*p);
        if (out.complete) {
            if (resultTexts) lane.result = trimmed(heatCardLaneText(heat, l, {}, fai));
            lane.started = heat.laneStarted[l] != 0;
            lane.finished = heat.laneFinished[l] != 0;
            lane.finish = heat.laneFinish[l];
            lane.time = heat.laneTime[l].totalHundredths;
            lane.cuts = heat.laneCuts[l];
            lane.points = heat.lanePoints[l];
        }
        out.lanes.push_back(std::move(lane));
    }
    return out;
}

}  // namespace

std::vector<BoardClass> boardClasses(const KORVARaceDoc& doc) {
    std::vector<BoardClass> classes;
    for (int b = 0; b < kBracketCount; ++b) {
        if (doc.bracketUsed(b)) classes.push_back({b, matrixClassName(doc, b)});
    }
    return classes;
}

std::optional<BoardClass> findBoardClass(const KORVARaceDoc& doc, std::string_view name) {
    const std::vector<BoardClass> classes = boardClasses(doc);
    for (const BoardClass& c : classes) {
        if (cp1252ToUtf8(c.name) == name || cp1252ToUtf8(doc.bracketName(c.bracket)) == name) {
            return c;
        }
    }
    int bracket = -1;
    const auto [end, ec] = std::from_chars(name.data(), name.data() + name.size(), bracket);
    if (ec != std::errc() || end != name.data() + name.size()) return std::nullopt;
    for (const BoardClass& c : classes) {
        if (c.bracket == bracket) return c;
    }
    return std::nullopt;
}

std::vector<BoardStandingRow> boardStandings(const RaceStandings& standings, int bracket) {
    const KORVARaceDoc& doc = standings.doc();
    const PilotListRows list(standings.doc(), standings);
    const FinishRules rules = finishRules(doc);

    struct Keyed {
        const KORVAPilot* pilot;
        FinishKey key;
    };
    std::vector<Keyed> pilots;
    for (const auto& p : doc.pilots) {
        if (p->bracket != bracket || !(p->active || doc.showInactive)) continue;
        pilots.push_back({p.get(), standings.finishKey(*p)});
    }
    std::stable_sort(pilots.begin(), pilots.end(), [&rules](const Keyed& a, const Keyed& b) {
        return compareFinishOrder(a.key, b.key, rules) < 0;
    });

    std::set<std::int32_t> tied;
    if (bracket >= 0 && bracket < kBracketCount) {
        for (const StandingsEntry& e : standings.bracket(bracket).entries) {
            if (e.tied) tied.insert(e.pilot);
        }
    }

    std::vector<BoardStandingRow> rows;
    rows.reserve(pilots.size());
    for (std::size_t i = 0; i < pilots.size(); ++i) {
        const KORVAPilot& p = *pilots[i].pilot;
        const bool isTied = tied.count(p.pilotNumber) != 0;
        std::string points = list.cellText(p, PilotColumn::Points);
        // A tie waiting for its fly-off shares one place even where the times differ.
        const bool sameAsAbove =
            i > 0 && (compareFinishOrder(pilots[i - 1].key, pilots[i].key, rules) == 0 ||
                      (isTied && rows.back().tied && rows.back().points == points));
        rows.push_back({sameAsAbove ? rows.back().place : static_cast<int>(i) + 1, isTied,
                        p.pilotNumber, listName(p), std::move(points),
                        list.cellText(p, PilotColumn::LowTime)});
    }
    return rows;
}

BoardHeats boardHeats(const KORVARaceDoc& doc, int bracket, bool resultTexts) {
    BoardHeats heats;
    if (bracket < 0 || bracket >= kBracketCount) return heats;
    for (const auto& round : doc.raceMatrix.matrix(bracket).rounds) {
        for (const auto& heat : round->heats) {
            BoardHeat h = boardHeat(doc, *round, *heat, resultTexts);
            (h.complete ? heats.flown : heats.toFly).push_back(std::move(h));
        }
    }
    std::reverse(heats.flown.begin(), heats.flown.end());
    return heats;
}

std::vector<BoardPilotHeat> boardPilotHeats(const KORVARaceDoc& doc, const KORVAPilot& pilot) {
    std::vector<BoardPilotHeat> heats;
    if (pilot.bracket < 0 || pilot.bracket >= kBracketCount) return heats;
    const bool fai = doc.faiClass != 0;
    const auto& rounds = doc.raceMatrix.matrix(pilot.bracket).rounds;
    for (std::size_t r = 0; r < rounds.size(); ++r) {
        for (const auto& heat : rounds[r]->heats) {
            const int lane = heat->laneOfPilot(pilot.pilotNumber);
            if (lane < 0 || pilot.pilotNumber == 0) continue;
            const auto l = static_cast<std::size_t>(lane);
            const std::string group =
                StartGroupColorName(static_cast<int>(r), lane, doc.faiClass, startGroupPeriod(doc));
            heats.push_back({rounds[r]->number(), heat->heatNumber, lane + 1, titleCased(group),
                             heat->isComplete(),
                             heat->isComplete() ? trimmed(heatCardLaneText(*heat, l, {}, fai))
                                                : std::string()});
        }
    }
    return heats;
}

}  // namespace korva
