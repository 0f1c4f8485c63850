#pragma once
// Small races built by hand for the heat-window commands: pilots and a bracket's rounds.

#include <array>
#include <initializer_list>
#include <string>

#include "race/KORVARaceDoc.h"

namespace korva::test {

using Lanes = std::array<std::int32_t, KORVAHeat::kLanes>;
inline constexpr Timestamp kBuiltAt = 1'600'000'000;

inline KORVAPilot& addPilot(KORVARaceDoc& doc, std::int32_t number, int classIndex, int channel,
                            const std::string& first = "F", const std::string& last = "L") {
    auto& pilot = *doc.pilots.emplace_back(std::make_unique<KORVAPilot>(number));
    pilot.firstName = first;
    pilot.lastName = last;
    pilot.setClass(classIndex, 0);
    pilot.channel = channel;
    return pilot;
}

// Appends a round of 4-lane heats to the bracket's matrix; `flown` gives them results.
inline KORVARound& addRound(KORVARaceDoc& doc, int bracket, int classCode,
                            std::initializer_list<Lanes> heats, bool flown = false) {
    KORVAMatrix& m = doc.raceMatrix.matrix(bracket);
    m.setClassCode(classCode);
    m.LaneQuan = 4;
    auto round = std::make_unique<KORVARound>();
    round->roundValue3 = kBuiltAt;
    round->roundValue4 = 7;
    for (const Lanes& lanes : heats) {
        auto& heat = round->addHeat(std::make_unique<KORVAHeat>(), kBuiltAt);
        heat.lanePilot = lanes;
        heat.complete = flown ? kBuiltAt : 0;
        for (std::size_t l = 0; flown && l < lanes.size(); ++l) {
            heat.laneTime[l].setTotal(9000);
            heat.laneCuts[l] = heat.laneFinish[l] = heat.lanePoints[l] = 1;
        }
    }
    return m.appendRound(std::move(round));
}

}  // namespace korva::test
