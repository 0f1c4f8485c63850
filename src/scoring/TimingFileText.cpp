#include <algorithm>
#include <array>
#include <string_view>

#include "race/KORVARaceDoc.h"
#include "scoring/TimingFile.h"
#include "ui/Format.h"

namespace korva {

namespace {

constexpr std::array<const char*, 19> kHeader{
    " ",
    "This file contains information about a KORVA Race",
    " ",
    "The sections and items are as follows",
    " ",
    "[Events] Item names should be self explanatory",
    " ",
    "[Pilots] Each Pilot is assigned a number from 1 - n",
    "Name1 = name for Pilot 1, etc",
    "NOTE !! NameX may not start with 1 and may not be sequential",
    "        If any of the following:",
    "          - Race file has multiple classes,",
    "          - Any Pilots are Inactive",
    "          - Any Pilots are Disqualified",
    " ",
    "[Matrix] Each heat is assigned an absolute heat number from 1 - n",
    "HeatPilots1 = pilot numbers for heat 1 (0 = no Pilot",
    "HeatChannels1 = frequencies for heat 1 (-1 = no Pilot)",
    " ",
};

class Lines {
public:
    void add(std::string_view line) {
        text_.append(line);
        text_.append("\r\n");
    }
    std::string take() { return std::move(text_); }

private:
    std::string text_;
};

std::string laneColourName(std::string_view code) {
    if (code == "LR") return "LowRed";
    if (code == "LG") return "LowGreen";
    if (code == "HR") return "HighRed";
    if (code == "HG") return "HighGreen";
    if (code == "HB") return "HighBlue";
    return "BUG";
}

std::string classOfCode(const KORVARaceDoc& doc, int code) {
    return code == 4 ? doc.thirdBracketName() : classLabel(code);
}

void addEvent(Lines& out, const KORVARaceDoc& doc, const KORVAMatrix& m) {
    out.add("[Event]");
    out.add("Title=" + doc.raceTitle);
    out.add("Class=" + classOfCode(doc, m.ClassCode));
    const int lanes = doc.faiClass ? 3 : 4;
    for (int lane = 1; lane <= lanes; ++lane) {
        const std::string& code = doc.laneColorCode[static_cast<std::size_t>(lane - 1)];
        out.add(cformat("Lane%d=%s", lane, laneColourName(code)));
    }
    out.add(";");
}

void addPilots(Lines& out, const KORVARaceDoc& doc, int bracket) {
    std::vector<const KORVAPilot*> listed;
    for (const auto& p : doc.pilots) {
        if (p->bracket == bracket && p->active && !p->dqFlag) listed.push_back(p.get());
    }
    out.add("[Pilots]");
    out.add(cformat("Quantity=%d", static_cast<int>(listed.size())));
    for (const KORVAPilot* p : listed) {
        out.add(
            cformat("Name%d=%s%s %s", p->pilotNumber, p->firstName, p->middleInitial, p->lastName));
    }
    out.add(";");
}

// One line per heat, rounds in order and heats in order, numbered 1, 2, 3 ... as written.
template <typename LaneValue>
void addHeatLines(Lines& out, const KORVAMatrix& m, const std::string& prefix, LaneValue value) {
    const int lanes = std::clamp(m.LaneQuan, 0, KORVAHeat::kLanes);
    int absolute = 0;
    for (const auto& round : m.rounds) {
        for (const auto& heat : round->heats) {
            std::string line = prefix + std::to_string(++absolute) + "=";
            for (int l = 0; l < KORVAHeat::kLanes; ++l) {
                const std::int32_t pilot = heat->lanePilot[static_cast<std::size_t>(l)];
                if (l > 0) line += ',';
                line += std::to_string(value(l < lanes ? pilot : 0));
            }
            out.add(line);
        }
    }
    out.add(";");
}

}  // namespace

std::string timingFileText(const KORVARaceDoc& doc, int bracket) {
    const KORVAMatrix& m = doc.raceMatrix.matrix(bracket);
    Lines out;
    for (const char* line : kHeader) out.add(std::string("; ") + line);
    addEvent(out, doc, m);
    addPilots(out, doc, bracket);
    out.add("[Matrix]");
    out.add(cformat("LaneQuantity=%d", m.LaneQuan));
    out.add(cformat("RoundQuantity=%d", static_cast<int>(m.rounds.size())));
    out.add(cformat("HeatsPerRound=%d", m.maxHeatCount()));
    out.add(";");
    addHeatLines(out, m, "HeatPilots", [](std::int32_t pilot) { return pilot; });
    addHeatLines(out, m, "HeatChannels", [&doc](std::int32_t pilot) {
        const KORVAPilot* p = pilot == 0 ? nullptr : doc.pilotByNumber(pilot);
        return p ? p->channel : -1;
    });
    return out.take();
}

}  // namespace korva
