#include "scoring/StandingsList.h"

#include <algorithm>

#include "race/Classes.h"

namespace korva {

namespace {

bool realChannel(std::int32_t channel) {
    return channel >= 0 && channel < kPseudoChannel;
}

// Every pair of a group that shares a real channel or a lane is one conflict.
void markConflicts(BracketStandings& s, std::size_t first, std::size_t last) {
    for (std::size_t i = first; i <= last; ++i) {
        for (std::size_t j = i + 1; j <= last; ++j) {
            StandingsEntry& a = s.entries[i];
            StandingsEntry& b = s.entries[j];
            if (a.channel == b.channel && realChannel(a.channel)) {
                a.channelConflict = b.channelConflict = true;
                ++s.channelConflicts;
            }
            if (a.lane == b.lane && a.lane >= 0) {
                a.laneConflict = b.laneConflict = true;
                ++s.laneConflicts;
            }
        }
    }
}

}  // namespace

void orderStandings(std::vector<StandingsEntry>& entries, bool fai) {
    if (fai) {
        std::stable_sort(entries.begin(), entries.end(),
                         [](const StandingsEntry& a, const StandingsEntry& b) {
                             if ((a.total == 0) != (b.total == 0)) return b.total == 0;
                             return a.total < b.total;
                         });
        return;
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const StandingsEntry& a, const StandingsEntry& b) {
                         if (a.total != b.total) return a.total > b.total;
                         return a.bestTime < b.bestTime;
                     });
}

void findTies(BracketStandings& s, int awardPlaces) {
    s.ties = s.pilotsInvolved = s.channelConflicts = s.laneConflicts = 0;
    const std::size_t n = s.entries.size();
    const std::size_t places = awardPlaces > 0 ? static_cast<std::size_t>(awardPlaces) : 0;
    // Runs of equal totals; past the award places only a run already under way counts.
    for (std::size_t first = 0; first < n && first < places;) {
        std::size_t last = first;
        while (last + 1 < n && s.entries[last + 1].total == s.entries[first].total) ++last;
        if (last > first && s.entries[first].total != 0) {
            for (std::size_t i = first; i <= last; ++i) s.entries[i].tied = true;
            ++s.ties;
            s.pilotsInvolved += static_cast<int>(last - first + 1);
            markConflicts(s, first, last);
        }
        first = last + 1;
    }
}

}  // namespace korva
