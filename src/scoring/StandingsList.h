#pragma once
// A bracket's standings list and its ties: who stands where, which places are tied within
// the award places, and which tied pilots share a radio channel or a lane.

#include <cstdint>
#include <string>
#include <vector>

namespace korva {

struct StandingsEntry {
    std::int32_t pilot = 0;  // pilot number
    std::int32_t total = 0;
    std::int32_t bestTime = 0;  // best round time (FAI: lowest round score), no fly-off
    bool bestTimeCut = false;
    std::int32_t channel = -1;
    int lane = -1;
    bool tied = false;
    bool channelConflict = false;
    bool laneConflict = false;
};

struct BracketStandings {
    bool matrixed = false;
    std::string className;  // of the first listed pilot
    int completedRounds = 0;
    std::vector<StandingsEntry> entries;  // the listed pilots in standings order
    int ties = 0;                         // tie groups
    int pilotsInvolved = 0;
    int channelConflicts = 0;  // pairs of tied pilots on one real channel
    int laneConflicts = 0;     // pairs of tied pilots in one lane

    int listed() const { return static_cast<int>(entries.size()); }
};

// Orders the entries, which come in the race's pilot order. Points race: more points first,
// at equal points the smaller best time (none counts as the smallest). FAI race: the lower
// score first, a pilot without any score last; equal scores keep the pilot order.
void orderStandings(std::vector<StandingsEntry>& entries, bool fai);

// Marks the tie groups that begin within the award places (a group may run on past them)
// and counts them with their pilots and conflicts. Equal totals of 0 are no tie: nobody in
// them scored anything.
void findTies(BracketStandings& standings, int awardPlaces);

}  // namespace korva
