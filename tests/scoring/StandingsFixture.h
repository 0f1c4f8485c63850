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

class StandingsFixture : public ::testing::Test {
protected:
    // Bracket 0 holds pilots 1, 4, 7, ...; with 4 lanes and one heat a round, 1, 4, 7, 10
    // fly in lanes 1 to 4 of every round.
    void makeRace(int pilots, int rounds, int heatsPerRound = 1) {
        samples::SampleSize size;
        size.pilots = pilots;
        size.rounds = rounds;
        size.heatsPerRound = heatsPerRound;
        size.complete = false;
        doc = samples::makeRace(t.services, size);
        standings = std::make_unique<RaceStandings>(*doc);
    }

    KORVAHeat& heat(int bracket, int round, int heat = 0) {
        return *doc->raceMatrix.matrix(bracket).rounds[static_cast<std::size_t>(round)]->heats
                    [static_cast<std::size_t>(heat)];
    }
    KORVAPilot& pilot(int number) { return *doc->pilotByNumber(number); }

    // Points (FAI: scores) of lanes 1..4 of a heat, with times, and marks it complete.
    void result(int bracket, int round, int h, std::initializer_list<int> points,
                std::initializer_list<int> times = {}, std::initializer_list<int> cuts = {}) {
        KORVAHeat& x = heat(bracket, round, h);
        std::size_t l = 0;
        for (int v : points) x.lanePoints[l++] = v;
        l = 0;
        for (int v : times) x.laneTime[l++].setTotal(v);
        l = 0;
        for (int v : cuts) x.laneCuts[l++] = v;
        x.complete = 1'700'000'000;
    }

    std::vector<std::int32_t> order(int bracket) const {
        std::vector<std::int32_t> out;
        for (const auto& e : standings->bracket(bracket).entries) out.push_back(e.pilot);
        return out;
    }

    TestServices t;
    std::unique_ptr<KORVARaceDoc> doc;
    std::unique_ptr<RaceStandings> standings;
};

using Numbers = std::vector<std::int32_t>;

}  // namespace korva::test
