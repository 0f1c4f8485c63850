#include "RaceBuilder.h"

namespace korva::test {

KORVAPilot& addPilot(KORVARaceDoc& doc, std::int32_t number, int classIndex, int channel,
                     const std::string& first, const std::string& last) {
    auto& pilot = *doc.pilots.emplace_back(std::make_unique<KORVAPilot>(number));
    pilot.firstName = first;
    pilot.lastName = last;
    pilot.setClass(classIndex, 0);
    pilot.channel = channel;
    return pilot;
}

KORVARound& addRound(KORVARaceDoc& doc, int bracket, int classCode,
                     std::initializer_list<Lanes> heats, bool flown) {
    KORVAMatrix& m = doc.raceMatrix.matrix(bracket);
    m.setClassCode(classCode);
    m.LaneQuan = 4;
    auto round = std::make_unique<KORVARound>();
    round->roundValue3 = kBuiltAt;
    round->roundValue4 = 7;
    for (const Lanes& lanes : heats) {
        auto heat = std::make_unique<KORVAHeat>();
        heat->lanePilot = lanes;
        if (flown) heat->complete = kBuiltAt;
        for (std::size_t l = 0; flown && l < lanes.size(); ++l) {
            heat->laneTime[l].setTotal(9000);
            heat->laneCuts[l] = heat->laneFinish[l] = heat->lanePoints[l] = 1;
        }
        round->addHeat(std::move(heat), kBuiltAt);
    }
    return m.appendRound(std::move(round));
}

}  // namespace korva::test
