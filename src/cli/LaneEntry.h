#pragma once
// What `korva results` takes for a lane: "L=FIN,M:SS.HH,CUTS" in a points race,
// "L=M:SS.HH,INFR" in an FAI race, "L=DNS" or "L=DNF"; and "L=N" for points given by hand.

#include <optional>
#include <string>
#include <utility>

namespace korva {

struct LaneEntry {
    int state = -1;             // kRaced, kDidNotStart or kDidNotFinish of the result form
    std::optional<int> finish;  // given in the points-race form only
    int minutes = 0;
    int seconds = 0;
    int hundredths = 0;
    int cuts = 0;  // infringements in an FAI race
};

// Lanes are numbered 1..4 as on the heat card; the pairs hold the lane index 0..3. Values
// out of the form's ranges pass here: the form's own checks refuse them.
std::optional<std::pair<int, LaneEntry>> laneEntryFor(const std::string& text);
std::optional<std::pair<int, int>> lanePointsFor(const std::string& text);

// The text a lane takes in each kind of race, for messages.
std::string laneEntryShape(bool fai);

}  // namespace korva
