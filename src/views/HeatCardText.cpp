#include "views/HeatCardText.h"

#include "race/KORVAHeat.h"
#include "scoring/ScoringRules.h"
#include "ui/Format.h"

namespace korva {

namespace {

std::string faiCardText(const KORVAHeat& heat, std::size_t lane, const std::string& name) {
    const std::string score = scoreText(heat.lanePoints[lane]);
    if (heat.laneFinished[lane] == 0) return cformat("DNF Points=%s %s ", score, name);
    if (heat.laneStarted[lane] == 0) return cformat("DNS Score=%s %s ", score, name);
    if (heat.laneCuts[lane] >= kMaxCuts)
        return cformat("Max Infringements Score=%s %s ", score, name);
    return cformat("Time=%s Infringe=%d Score=%s %s ", heat.laneTime[lane].text(),
                   heat.laneCuts[lane], score, name);
}

}  // namespace

std::string heatCardLaneText(const KORVAHeat& heat, std::size_t lane, const std::string& name,
                             bool fai) {
    if (lane >= heat.lanePilot.size()) return {};
    if (fai) return faiCardText(heat, lane, name);
    if (heat.laneFinished[lane] == 0) return cformat("DNF Points=0 %s", name);
    if (heat.laneStarted[lane] == 0) return cformat("DNS Points=0 %s", name);
    if (heat.laneCuts[lane] >= kMaxCuts) return cformat("Max Cuts  Points=0 %s", name);
    return cformat("Finish=%d Time=%s Cuts=%d Pts=%d %s ", heat.laneFinish[lane],
                   heat.laneTime[lane].text(), heat.laneCuts[lane], heat.lanePoints[lane], name);
}

}  // namespace korva
