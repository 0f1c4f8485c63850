#pragma once
// The fly-off pilot information of one bracket: the tied pilots in standings order, with
// their places and conflicts, and the message that lists them.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace korva {

class Interaction;
class RaceStandings;

struct FlyOffRow {
    bool gap = false;  // an empty row between pilots whose totals differ
    std::int32_t pilot = 0;
    std::string name;  // full name
    int place = 0;     // position in the standings, from 1
    std::int32_t total = 0;
    int lane = 0;  // lane index + 1; 0 when the pilot flies in no heat
    std::int32_t channel = -1;
    std::int32_t time = 0;  // best time in hundredths (FAI: lowest score)
    bool timeCut = false;
    bool channelConflict = false;
    bool laneConflict = false;
};

struct FlyOffInfo {
    int bracket = -1;
    std::string className;
    bool fai = false;
    std::vector<FlyOffRow> rows;
};

// The pilots of the bracket that take part in a fly-off (fly-off points other than -1).
FlyOffInfo flyOffInfo(const RaceStandings& standings, int bracket);

// "<class>:" and a line per pilot with its conflict marks.
std::string flyOffInfoText(const FlyOffInfo& info);
void showFlyOffInfoMessage(Interaction& ui, const FlyOffInfo& info);

// What the Finish flow does with the information when the director asks for it.
using FlyOffInfoHandler = std::function<void(const FlyOffInfo&)>;

}  // namespace korva
