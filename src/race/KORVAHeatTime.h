#pragma once
// A lane time: minutes, seconds and hundredths kept together with the total in hundredths.

#include <cstdint>
#include <string>

namespace korva {

class Archive;

class KORVAHeatTime {
public:
    std::int32_t minutes = 0;
    std::int32_t seconds = 0;
    std::int32_t hundredths = 0;
    std::int32_t totalHundredths = 0;
    std::int32_t recordVersion = 100;

    void setTotal(std::int32_t total);
    void setParts(std::int32_t min, std::int32_t sec, std::int32_t hund);
    std::string text() const;  // "%d:%02d.%02d"
    bool isZero() const { return totalHundredths == 0; }

    // 1 when plausible for a points race of the bracket; callers warn on 0.
    int plausibleForBracket(int bracket) const;
    bool atLeastFiftySeconds() const { return totalHundredths > 4999; }

    void Serialize(Archive& ar);
    bool operator==(const KORVAHeatTime& other) const = default;
};

// Score of an FAI lane: the time with the penalty for infringements, 20000 at worst.
std::int32_t faiScore(std::int32_t totalHundredths, std::int32_t infringements);

}  // namespace korva
