#include "reports/HeatTexts.h"

#include "race/Classes.h"
#include "race/KORVAHeat.h"
#include "race/KORVAPilot.h"
#include "reports/html/EscapeHtml.h"
#include "ui/Format.h"

namespace korva {

namespace {
constexpr int kNineLapClass = 0;
}  // namespace

std::string printedPilotName(const KORVAPilot& pilot) {
    std::string name = escapeHtml(pilot.shortName());
    if (pilot.classIndex == kNineLapClass) name += " (9)";
    return name;
}

std::string printedChannel(const KORVAPilot& pilot) {
    return pilot.channel >= kPseudoChannel ? "SS" : std::to_string(pilot.channel);
}

LaneResultTexts laneResultTexts(const KORVAHeat& heat, int lane, bool fai) {
    const auto l = static_cast<std::size_t>(lane);
    LaneResultTexts texts;
    texts.finish = std::to_string(heat.laneFinish[l]);
    texts.time = heat.laneTime[l].text();
    texts.cuts = std::to_string(heat.laneCuts[l]);
    if (heat.laneStarted[l] == 0) {
        texts.outcome = "S";
    } else if (heat.laneFinished[l] == 0) {
        texts.outcome = "F";
    }
    const int points = heat.lanePoints[l];
    if (!fai) {
        texts.points = std::to_string(points);
    } else {
        texts.points = points == 0 ? "0" : cformat("%d.%02d", points / 100, points % 100);
    }
    return texts;
}

}  // namespace korva
