#include "race/KORVAHeatTime.h"

#include <algorithm>
#include <cstdint>

#include "race/Archive.h"
#include "ui/Format.h"

namespace korva {

void KORVAHeatTime::setTotal(std::int32_t total) {
    totalHundredths = total;
    minutes = total / 6000;
    seconds = total / 100 - minutes * 60;
    hundredths = total % 100;
}

void KORVAHeatTime::setParts(std::int32_t min, std::int32_t sec, std::int32_t hund) {
    minutes = min;
    seconds = sec;
    hundredths = hund;
    totalHundredths = min * 6000 + sec * 100 + hund;
}

std::string KORVAHeatTime::text() const {
    return cformat("%d:%02d.%02d", minutes, seconds, hundredths);
}

int KORVAHeatTime::plausibleForBracket(int bracket) const {
    switch (bracket) {
        case 0: return totalHundredths > 8399 ? 1 : 0;
        case 1: return totalHundredths >= 5700 ? 1 : 0;
        case 2: return totalHundredths >= 5400 ? 1 : 0;
        default: return 1;
    }
}

void KORVAHeatTime::Serialize(Archive& ar) {
    if (ar.isStoring()) {
        ar.writeInt(minutes);
        ar.writeInt(seconds);
        ar.writeInt(hundredths);
        ar.writeInt(totalHundredths);
        ar.writeSpare(5);
        ar.writeInt(recordVersion);
        return;
    }
    minutes = ar.readInt();
    seconds = ar.readInt();
    hundredths = ar.readInt();
    totalHundredths = ar.readInt();
    ar.readSpare(5);
    recordVersion = ar.readInt();
    if (recordVersion == 0) {
        ar.skipInts(4 + 5);
        ar.skipDoubles(5);
        ar.skipInts(5);
        recordVersion = 100;
    }
}

std::int32_t faiScore(std::int32_t t, std::int32_t n) {
    constexpr std::int32_t kWorst = 20000;
    if (n <= 0) return std::min(t, kWorst);
    if (n > 1 || t >= kWorst) return kWorst;
    // Wide arithmetic: a time read from a damaged file may be anywhere in the int range.
    const std::int64_t penalised = std::int64_t{t} + (std::int64_t{t} + 5) / 10;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(penalised, INT32_MIN, kWorst));
}

}  // namespace korva
