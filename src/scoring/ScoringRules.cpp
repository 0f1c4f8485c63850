#include "scoring/ScoringRules.h"

#include "ui/Format.h"

namespace korva {

bool countsAsFinisher(int cuts, int heatScoring) {
    if (cuts >= kMaxCuts) return false;
    return !(cuts == 1 && heatScoring == kScoringCutIsPoint);
}

int lanePoints(int cuts, int finish, int lanesPerHeat, int heatScoring) {
    if (cuts >= kMaxCuts) return 0;
    if (cuts == 1 && heatScoring == kScoringCutIsPoint) return 1;
    return finish == 0 ? 0 : lanesPerHeat - finish + 1;
}

bool timeTooLow(const KORVAHeatTime& time, bool fai, int bracket) {
    return fai ? !time.atLeastFiftySeconds() : time.plausibleForBracket(bracket) == 0;
}

std::string scoreText(std::int32_t score) {
    return cformat("%d.%02d", score / 100, score % 100);
}

}  // namespace korva
