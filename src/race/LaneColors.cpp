#include "race/LaneColors.h"

#include <algorithm>
#include <cctype>

#include "ui/Strings.h"

namespace korva {

namespace {
constexpr int kCodeIds[kLaneColorCount] = {332, 333, 334, 335};
constexpr int kNameIds[kLaneColorCount] = {405, 398, 404, 400};
constexpr int kBlueCode = 395;
constexpr int kBlueName = 399;
constexpr const char* kUnknown = "Unknown";

bool sameCode(const std::string& code, int id) {
    const std::string_view want = text(id);
    return code.size() == want.size() &&
           std::equal(code.begin(), code.end(), want.begin(), [](char a, char b) {
               return std::toupper(static_cast<unsigned char>(a)) ==
                      std::toupper(static_cast<unsigned char>(b));
           });
}
}  // namespace

int laneColorIndex(const std::string& code) {
    for (int i = 0; i < kLaneColorCount; ++i) {
        if (sameCode(code, kCodeIds[i])) return i;
    }
    return sameCode(code, kBlueCode) ? 1 : -1;
}

std::string laneColorCode(int index, bool blueVariant) {
    if (index < 0 || index >= kLaneColorCount) return kUnknown;
    if (index == 1 && blueVariant) return std::string(text(kBlueCode));
    return std::string(text(kCodeIds[index]));
}

std::string laneColorName(const std::string& code) {
    if (sameCode(code, kBlueCode)) return std::string(text(kBlueName));
    const int index = laneColorIndex(code);
    return index < 0 ? kUnknown : std::string(text(kNameIds[index]));
}

}  // namespace korva
