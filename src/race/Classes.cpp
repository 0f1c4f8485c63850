#include "race/Classes.h"

#include "ui/Strings.h"

namespace korva {

int bracketOfClass(int classIndex) {
    switch (classIndex) {
        case 0:
        case 1:
        case 2: return 0;
        case 3: return 1;
        case 4: return 2;
        default: return -1;
    }
}

bool channelInBands(int channel) {
    return (channel >= kLow50MHz && channel <= kHigh50MHz) ||
           (channel >= kLow72MHz && channel <= kHigh72MHz) ||
           (channel >= kLowPseudo && channel <= kHighPseudo);
}

std::string className(int classIndex, const std::string& thirdName) {
    switch (classIndex) {
        case 0:
        case 1: return "APRA";
        case 2: return "424";
        case 3: return "426";
        case 4: return thirdName;
        default: return "Unknown";
    }
}

std::string classLabel(int classIndex) {
    if (classIndex < 0 || classIndex > 4) return "Unknown";
    return std::string(text(str::kClassNameBase + classIndex));
}

}  // namespace korva
