#pragma once
// Small races with results typed in by the test: pilots 1..3n spread over the three
// brackets in turn, every round's heats filled with the bracket's pilots in number order.

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

#include "race/KORVARaceDoc.h"
#include "samples/SampleRace.h"
#include "scoring/Standings.h"
#include "support/TestServices.h"

namespace korva::test {

using Numbers = std::vector<std::int32_t>;

class StandingsFixture : public ::testing::Test {
protected:
    // With 12 pilots, 4 lanes and one heat a round, 1, 4, 7, 10 fly lanes 1 to 4 of every
    // round of bracket 0; with 24 pilots and two heats, 13, 16, 19, 22 fly the second.
    void makeRace(int pilots, int rounds, int heatsPerRound = 1) {
        samples::SampleSize size{pilots, rounds, heatsPerRound, 4, false};
        doc = samples::makeRace(t.services, size);
        standings = std::make_unique<RaceStandings>(*doc);
    }
    KORVAHeat& heat(int bracket, int round, int h = 0) {
        const auto& r = doc->raceMatrix.matrix(bracket).rounds[static_cast<std::size_t>(round)];
        return *r->heats[static_cast<std::size_t>(h)];
    }
    KORVAPilot& pilot(int number) { return *doc->pilotByNumber(number); }

    // Points (FAI: scores), times and cuts of lanes 1..4; the heat becomes complete.
    void result(int bracket, int round, int h, std::initializer_list<int> points,
                std::initializer_list<int> times, std::initializer_list<int> cuts = {}) {
        KORVAHeat& x = heat(bracket, round, h);
        std::copy(points.begin(), points.end(), x.lanePoints.begin());
        std::copy(cuts.begin(), cuts.end(), x.laneCuts.begin());
        std::size_t l = 0;
        for (int v : times) x.laneTime[l++].setTotal(v);
        x.complete = 1'700'000'000;
    }
    Numbers order(int bracket) const {
        Numbers out;
        for (const auto& e : standings->bracket(bracket).entries) out.push_back(e.pilot);
        return out;
    }

    TestServices t;
    std::unique_ptr<KORVARaceDoc> doc;
    std::unique_ptr<RaceStandings> standings;
};

}  // namespace korva::test
