#include "scoring/FlyOffInfo.h"

#include "race/KORVARaceDoc.h"
#include "scoring/Standings.h"
#include "ui/Messages.h"

namespace korva {

FlyOffInfo flyOffInfo(const RaceStandings& standings, int bracket) {
    const KORVARaceDoc& doc = standings.doc();
    const BracketStandings& s = standings.bracket(bracket);
    FlyOffInfo info;
    info.bracket = bracket;
    info.className = s.className;
    info.fai = doc.faiClass != 0;
    bool first = true;
    std::int32_t previousTotal = 0;
    for (std::size_t i = 0; i < s.entries.size(); ++i) {
        const StandingsEntry& e = s.entries[i];
        const KORVAPilot* p = doc.pilotByNumber(e.pilot);
        if (!p || p->flyOffPoints == -1) continue;
        FlyOffRow row;
        if (!first && previousTotal != e.total) {
            row.gap = true;
            info.rows.push_back(row);
            row.gap = false;
        }
        first = false;
        previousTotal = e.total;
        row.pilot = e.pilot;
        row.name = p->fullName();
        row.place = static_cast<int>(i) + 1;
        row.total = e.total;
        row.lane = e.lane + 1;
        row.channel = e.channel;
        row.time = e.bestTime;
        row.timeCut = e.bestTimeCut;
        row.channelConflict = e.channelConflict;
        row.laneConflict = e.laneConflict;
        info.rows.push_back(row);
    }
    return info;
}

std::string flyOffInfoText(const FlyOffInfo& info) {
    std::string out = cformat(text(str::kFlyOffPilots), info.className);
    for (const FlyOffRow& row : info.rows) {
        if (row.gap) continue;
        out += cformat(text(str::kFlyOffPilotLine), row.name);
        if (row.channelConflict) out += text(str::kFlyOffChannelConflict);
        if (row.laneConflict) out += text(str::kFlyOffLaneConflict);
        out += '\n';
    }
    return out;
}

void showFlyOffInfoMessage(Interaction& ui, const FlyOffInfo& info) {
    Message m;
    m.id = str::kFlyOffPilots;
    m.text = flyOffInfoText(info);
    m.icon = Icon::Information;
    ui.ask(m);
}

}  // namespace korva
