#include "properties/LaneColors.h"

#include <algorithm>

#include "ui/Strings.h"
#include "ui/TextCase.h"

namespace korva {

namespace {

constexpr int kCodeIds[kLaneColorCount] = {332, 333, 334, 335};
constexpr int kNameIds[kLaneColorCount] = {405, 398, 404, 400};
constexpr int kBlueCodeId = 395;
constexpr int kBlueNameId = 399;

bool sameCode(std::string_view a, std::string_view b) { return equalsNoCase(a, b); }

}  // namespace

int laneColorIndex(std::string_view code) {
    for (int i = 0; i < kLaneColorCount; ++i) {
        if (sameCode(code, text(kCodeIds[i]))) return i;
    }
    return sameCode(code, text(kBlueCodeId)) ? 1 : -1;
}

std::string laneColorCode(int index, bool blue) {
    if (index < 0 || index >= kLaneColorCount) return "Unknown";
    return std::string(text(index == 1 && blue ? kBlueCodeId : kCodeIds[index]));
}

std::string laneColorName(std::string_view code) {
    if (sameCode(code, text(kBlueCodeId))) return std::string(text(kBlueNameId));
    const int index = laneColorIndex(code);
    return index < 0 ? "Unknown" : std::string(text(kNameIds[index]));
}

}  // namespace korva
