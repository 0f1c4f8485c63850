#include <gtest/gtest.h>

#include <set>

#include "matrix/MatrixFixture.h"

namespace korva::test {
namespace {

struct Field {
    std::vector<int> channels;
    int maxLanes = 4;
    int minLanes = 3;
    bool maxThree = false;
};

struct Outcome {
    bool built = false;
    int lanes = 0;
    int heats = 0;
    std::vector<int> asked;
};

Outcome generate(const Field& f) {
    MatrixRace<AnsweringInteraction> race;
    for (int c : f.channels) race.addPilots(2, {c});
    race.doc.maxLanes[0] = f.maxLanes;
    race.doc.minLanes[0] = f.minLanes;
    race.doc.maxThreeLanes = f.maxThree;
    Outcome o;
    o.built = race.generate(0, 3);
    o.asked = race.user.asked;
    const KORVARound* first = race.matrix(0).roundAt(0);
    o.lanes = race.matrix(0).LaneQuan;
    o.heats = first ? static_cast<int>(first->heats.size()) : 0;
    if (o.built) {
        EXPECT_EQ(checkRounds(race.doc, 0, 1, 3), "");
    }
    return o;
}

std::vector<int> distinct(int n, int first = 11) {
    std::vector<int> c;
    for (int i = 0; i < n; ++i) c.push_back(first + i);
    return c;
}

std::vector<int> withShared(int n, int onOne) {
    std::vector<int> c(static_cast<std::size_t>(onOne), 30);
    for (int i = onOne; i < n; ++i) c.push_back(40 + i);
    return c;
}

TEST(LaneQuantity, HalfThePilotsOnOneChannelGiveTwoOrThreeLanes) {
    const Outcome even = generate({withShared(10, 5)});
    EXPECT_TRUE(even.built);
    EXPECT_EQ(even.lanes, 2);
    EXPECT_EQ(even.heats, 5);
    const Outcome odd = generate({withShared(11, 5), 4, 2, false});
    EXPECT_EQ(odd.lanes, 3);
    EXPECT_EQ(odd.heats, 5);
}

TEST(LaneQuantity, MoreThanHalfOnOneChannelFailsWith174) {
    const Outcome o = generate({withShared(10, 6)});
    EXPECT_FALSE(o.built);
    EXPECT_EQ(o.heats, 0);
    EXPECT_EQ(o.asked, std::vector<int>{174});
}

TEST(LaneQuantity, SmallFieldsFollowTheTables) {
    const Outcome seven = generate({distinct(7), 4, 3});
    EXPECT_EQ(seven.lanes, 4);
    EXPECT_EQ(seven.heats, 2);
    const Outcome five = generate({distinct(5), 4, 2});
    EXPECT_EQ(five.lanes, 3);
    EXPECT_EQ(five.heats, 2);
    const Outcome three = generate({withShared(12, 3)});
    EXPECT_EQ(three.lanes, 4);
    EXPECT_EQ(three.heats, 3);
}

TEST(LaneQuantity, MaxThreeLanesCapsEveryField) {
    for (int n : {4, 7, 12, 13, 20}) {
        const Outcome o = generate({distinct(n), 4, 3, true});
        EXPECT_TRUE(o.built);
        EXPECT_LE(o.lanes, 3) << n << " pilots";
    }
}

TEST(LaneQuantity, DamagedLanePropertiesStillGiveTwoToFourLanes) {
    for (int maxLanes : {0, 1, 5, 9, -3}) {
        const Outcome o = generate({distinct(9), maxLanes, 3});
        EXPECT_TRUE(o.built) << maxLanes;
        EXPECT_GE(o.lanes, 2);
        EXPECT_LE(o.lanes, 4);
    }
}

TEST(LaneQuantity, ThreePilotsOnOneChannelShareALane) {
    MatrixRace<AnsweringInteraction> race;
    for (int c : withShared(12, 3)) race.addPilots(2, {c});
    ASSERT_TRUE(race.generate(0, 4));
    for (const auto& round : race.matrix(0).rounds) {
        std::set<int> lanes;
        for (const auto& heat : round->heats) {
            for (int l = 0; l < 4; ++l) {
                const std::int32_t n = heat->lanePilot[static_cast<std::size_t>(l)];
                if (n >= 1 && n <= 3) lanes.insert(l);
            }
        }
        EXPECT_EQ(lanes.size(), 1u);
    }
}

}  // namespace
}  // namespace korva::test
