#include "scoring/StandingsMessages.h"

#include "race/KORVARaceDoc.h"
#include "scoring/Standings.h"
#include "ui/Messages.h"

namespace korva {

namespace {

// "no", "IS a" or "ARE n": the three wordings of a count.
std::string countText(int count, int none, int one, int many) {
    if (count == 0) return std::string(text(none));
    if (count == 1) return std::string(text(one));
    return cformat(text(many), count);
}

}  // namespace

std::string tieQuestionText(const BracketStandings& s) {
    std::string out = s.ties == 1
                          ? cformat(text(str::kTieInClass), s.className, s.pilotsInvolved)
                          : cformat(text(str::kTieQuestion), s.ties, s.className, s.pilotsInvolved);
    out += countText(s.channelConflicts, str::kNoChannelConflicts, str::kOneChannelConflict,
                     str::kChannelConflicts);
    out += countText(s.laneConflicts, str::kNoLaneConflicts, str::kOneLaneConflict,
                     str::kLaneConflicts);
    out += text(str::kAddFlyOffPoints);
    out += text(str::kSeePilotsInvolved);
    return out;
}

void announceStandings(const RaceStandings& standings) {
    const KORVARaceDoc& doc = standings.doc();
    Interaction& ui = doc.services().ui;
    const bool fai = doc.faiClass != 0;
    if (!doc.resolveTiesByFlyOff) {
        showInfo(ui, fai ? str::kNoFlyOffsScore : str::kNoFlyOffsPoints);
        return;
    }
    if (standings.totalTies() == 0) {
        showInfo(ui, fai ? str::kNoTiesScore : str::kNoTiesPoints);
        return;
    }
    for (int b = 0; b < kBracketCount; ++b) {
        const BracketStandings& s = standings.bracket(b);
        if (s.ties == 0) continue;
        Message question;
        question.id = str::kTieQuestion;
        question.text = tieQuestionText(s);
        question.icon = Icon::Question;
        question.buttons = Buttons::YesNo;
        question.defaultButton = Answer::Yes;
        if (ui.ask(question) == Answer::Yes && standings.showFlyOffInfo) {
            standings.showFlyOffInfo(flyOffInfo(standings, b));
        }
    }
}

}  // namespace korva
