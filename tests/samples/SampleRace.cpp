#include "samples/SampleRace.h"

#include <string>

namespace korva::samples {

KORVAPilot makePilot(int number, int classIndex, int channel) {
    KORVAPilot p(number);
    const std::string n = std::to_string(number);
    p.pilotId = "ID" + n;
    p.lastName = "Last" + n;
    p.firstName = "First" + n;
    p.address = n;
    p.address += " Runway Road";  // not n + "...": GCC 12 at -O3 warns falsely (-Wrestrict)
    p.city = "City";
    p.state = "ST";
    p.postalCode = "12345";
    p.address = n + " Runway Road";
    p.associationNumber = "K" + n;
    p.phoneDay = "555-0100";
    p.email = "pilot" + n + "@example.org";
    p.classIndex = classIndex;
    p.bracket = classIndex == 3 ? 1 : classIndex == 4 ? 2 : 0;
    p.channel = channel;
    p.paid = 1;
    p.signedWaiver = 1;
    p.category = std::to_string(1 + number % 4);
    p.modifiedAt = 1'600'000'000 + number;
    return p;
}

std::unique_ptr<KORVARaceDoc> makeRace(RaceServices& services, const SampleSize& size) {
    auto doc = std::make_unique<KORVARaceDoc>(services);
    doc->raceTitle = "Sample Race";
    doc->class424Ama = 1;
    doc->class426 = 1;
    doc->classQ40 = 1;
    doc->awardPlaces = 3;
    doc->printFont = "Verdana";
    doc->printTitleFont = "Verdana";
    const Timestamp now = services.clock.now();
    static constexpr int kClassOfBracket[] = {2, 3, 4};
    for (int i = 1; i <= size.pilots; ++i) {
        const int bracket = (i - 1) % kBracketCount;
        auto pilot = std::make_unique<KORVAPilot>(
            makePilot(i, kClassOfBracket[bracket], 11 + (i * 7) % 50));
        auto plane = std::make_unique<KORVAPlane>();
        plane->planeNumber = i;
        plane->pilotNumber = i;
        plane->type = "Nemesis";
        plane->mainColor = "Red";
        plane->engine = "Nelson";
        plane->safetyChecked = 1;
        pilot->planeCount = 1;
        pilot->planeNumbers[0] = i;
        doc->pilots.push_back(std::move(pilot));
        doc->planes.push_back(std::move(plane));
    }
    for (int b = 0; b < kBracketCount; ++b) {
        KORVAMatrix& m = doc->raceMatrix.matrix(b);
        m.setClassCode(kClassOfBracket[b]);
        m.LaneQuan = size.lanes;
        m.MatrixTime = {now, now};
        int next = b + 1;  // pilots of this bracket, taken in turn
        for (int r = 0; r < size.rounds; ++r) {
            auto round = std::make_unique<KORVARound>();
            round->roundValue5 = size.lanes;
            round->roundValue3 = now;
            for (int h = 0; h < size.heatsPerRound; ++h) {
                auto heat = std::make_unique<KORVAHeat>(now);
                for (int l = 0; l < size.lanes && l < KORVAHeat::kLanes; ++l) {
                    const auto lane = static_cast<std::size_t>(l);
                    heat->lanePilot[lane] = next <= size.pilots ? next : 0;
                    next = next + kBracketCount > size.pilots ? b + 1 : next + kBracketCount;
                    if (size.complete) {
                        heat->laneTime[lane].setTotal(9000 + 37 * l + h);
                        heat->laneFinish[lane] = l + 1;
                        heat->lanePoints[lane] = size.lanes - l;
                    }
                }
                if (size.complete) heat->complete = now;
                round->addHeat(std::move(heat), now);
            }
            m.appendRound(std::move(round));
        }
        doc->raceMatrix.Matrixed[static_cast<std::size_t>(b)] = size.rounds > 0 ? 1 : 0;
    }
    doc->raceMatrix.RoundQuan = size.rounds;
    doc->raceMatrix.MaxHeatsPerRound = size.heatsPerRound;
    doc->recountChannels();
    doc->selectMenus();
    return doc;
}

}  // namespace korva::samples
