#pragma once
// What heat cards and sheets write about a pilot and a lane's result.

#include <string>

namespace korva {

class KORVAHeat;
class KORVAPilot;

// The short name, escaped, with " (9)" added for the nine-lap class.
std::string printedPilotName(const KORVAPilot& pilot);

// The channel, or "SS" for a pseudo channel.
std::string printedChannel(const KORVAPilot& pilot);

// The result columns of one lane of a complete heat.
struct LaneResultTexts {
    std::string finish;
    std::string time;
    std::string cuts;
    std::string outcome;  // "S" did not start, "F" did not finish
    std::string points;   // points, or the FAI score
};

LaneResultTexts laneResultTexts(const KORVAHeat& heat, int lane, bool fai);

}  // namespace korva
