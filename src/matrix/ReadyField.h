#pragma once
// The pilots of a bracket who will fly in its matrix, and what the generator needs of them.

#include <map>
#include <string>
#include <vector>

namespace korva {

class KORVAPilot;
class KORVARaceDoc;

struct ReadyField {
    std::vector<const KORVAPilot*> pilots;  // in pilot order
    std::map<int, int> channelCount;        // ready pilots per channel, ascending channels
    int maxChannelInUse = 0;
    int minLevel = 5;  // power levels 1..4; 0 = no level
    int maxLevel = 0;
    std::string unlevelledName;  // the last ready pilot without a power level
    bool anyLane1Affinity = false;

    int size() const { return static_cast<int>(pilots.size()); }
    // Channels shared by two or more ready pilots.
    int conflictQuan() const;
    // Most ready pilots on one shared channel; 0 when none is shared.
    int maxConflictedQuan() const;
    std::vector<int> uniqueChannels() const;
};

// Active, not disqualified pilots of the bracket that are paid (or unpaid ones are
// included) and signed the waiver (or those without are included).
bool isReadyPilot(const KORVAPilot& pilot, int bracket, bool includeUnpaid, bool includeNoWaiver);

ReadyField collectReadyField(const KORVARaceDoc& doc, int bracket);

}  // namespace korva
