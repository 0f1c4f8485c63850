// The board's data as JSON for other tools: the same rows as the pages.

#include "race/KORVAPilot.h"
#include "race/KORVARaceDoc.h"
#include "reports/board/BoardText.h"
#include "reports/board/BoardWriters.h"
#include "scoring/Standings.h"
#include "ui/Format.h"

namespace korva {

namespace {

std::string head(const KORVARaceDoc& doc, std::string_view lastChange) {
    return "{\"race\":" + boardJson(doc.raceTitle) +
           ",\"fai\":" + (doc.faiClass != 0 ? "true" : "false") +
           ",\"lastChange\":" + boardJson(lastChange) + ",\"classes\":[";
}

std::string classHead(const BoardClass& c) {
    return cformat("{\"class\":%s,\"bracket\":%d,", boardJson(c.name), c.bracket);
}

void heatsJson(std::string& out, const char* key, const std::vector<BoardHeat>& heats) {
    out += cformat("\"%s\":[", key);
    for (std::size_t h = 0; h < heats.size(); ++h) {
        const BoardHeat& heat = heats[h];
        out +=
            cformat("%s{\"round\":%d,\"heat\":%d,\"lanes\":[", h ? "," : "", heat.round, heat.heat);
        for (std::size_t l = 0; l < heat.lanes.size(); ++l) {
            const BoardLane& lane = heat.lanes[l];
            out += cformat("%s{\"lane\":%d,\"pilot\":%d,\"name\":%s,\"channel\":%s", l ? "," : "",
                           lane.lane, lane.pilot, boardJson(lane.name), boardJson(lane.channel));
            if (heat.complete) {
                out.append(",\"started\":").append(lane.started ? "true" : "false");
                out.append(",\"finished\":").append(lane.finished ? "true" : "false");
                out.append(",\"finish\":").append(std::to_string(lane.finish));
                out.append(",\"time\":").append(std::to_string(lane.time));
                out.append(",\"cuts\":").append(std::to_string(lane.cuts));
                out.append(",\"points\":").append(std::to_string(lane.points));
            }
            out += "}";
        }
        out += "]}";
    }
    out += "]";
}

}  // namespace

std::string boardStandingsJson(const RaceStandings& standings, std::string_view lastChange) {
    const KORVARaceDoc& doc = standings.doc();
    std::string out = head(doc, lastChange);
    const std::vector<BoardClass> classes = boardClasses(doc);
    for (std::size_t i = 0; i < classes.size(); ++i) {
        out += (i ? "," : "") + classHead(classes[i]) + "\"standings\":[";
        const std::vector<BoardStandingRow> rows = boardStandings(standings, classes[i].bracket);
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const BoardStandingRow& row = rows[r];
            out += cformat(
                "%s{\"place\":%d,\"tied\":%s,\"pilot\":%d,\"name\":%s,\"points\":%s,"
                "\"lowTime\":%s}",
                r ? "," : "", row.place, row.tied ? "true" : "false", row.number,
                boardJson(row.name), boardJson(row.points), boardJson(row.lowTime));
        }
        out += "]}";
    }
    out += "]}\n";
    return out;
}

std::string boardHeatsJson(const KORVARaceDoc& doc, std::string_view lastChange) {
    std::string out = head(doc, lastChange);
    const std::vector<BoardClass> classes = boardClasses(doc);
    for (std::size_t i = 0; i < classes.size(); ++i) {
        const BoardHeats heats = boardHeats(doc, classes[i].bracket, false);
        out.reserve(out.size() + 640 * (heats.toFly.size() + heats.flown.size()));
        out += (i ? "," : "") + classHead(classes[i]);
        heatsJson(out, "toFly", heats.toFly);
        out += ",";
        heatsJson(out, "flown", heats.flown);
        out += "}";
    }
    out += "]}\n";
    return out;
}

}  // namespace korva
