// Pilot, plane, heat and round records: defaults, derived values and their operations.

#include <gtest/gtest.h>

#include "race/Archive.h"
#include "race/KORVAMatrix.h"
#include "race/KORVAPilot.h"
#include "race/KORVAPlane.h"
#include "samples/SampleRace.h"
#include "support/ScriptedInteraction.h"

namespace korva {
namespace {

template <typename T>
T roundTrip(T& record) {
    FixedClock clock;
    Archive out(clock);
    record.Serialize(out);
    Archive in(clock, out.bytes());
    T copy;
    copy.Serialize(in);
    EXPECT_EQ(in.remaining(), 0u);
    return copy;
}

TEST(Pilot, NewPilotDefaultsAndRoundTrip) {
    KORVAPilot p(7);
    EXPECT_EQ(p.pilotNumber, 7);
    EXPECT_EQ(p.classIndex, -1);
    EXPECT_EQ(p.bracket, -1);
    EXPECT_EQ(p.channel, -1);
    EXPECT_EQ(p.reservedA, -1);
    EXPECT_EQ(p.flyOffPoints, -1);
    EXPECT_EQ(p.active, 1);
    EXPECT_EQ(p.recordVersion, 100);
    EXPECT_EQ(p.versionText, "120");

    KORVAPilot full = samples::makePilot(12, 3, 45);
    full.dqFlag = 1;
    full.lane1Affinity = 1;
    full.flyOffCuts = 1;
    full.flyOffTime.setTotal(6507);
    full.planeCount = 2;
    full.planeNumbers = {3, 9, 0, 0, 0, 0, 0, 0};
    const KORVAPilot back = roundTrip(full);
    EXPECT_TRUE(back.sameRecord(full));
    EXPECT_EQ(back.dqFlag, 1);
    EXPECT_EQ(back.lane1Affinity, 1);
    EXPECT_EQ(back.flyOffTime, full.flyOffTime);
    EXPECT_EQ(back.flyOffCuts, 1);
    EXPECT_EQ(back.category, full.category);
}

TEST(Pilot, SameRecordAndSameDataOnFile) {
    const KORVAPilot a = samples::makePilot(1, 2, 20);
    KORVAPilot b = a;
    EXPECT_TRUE(a.sameRecord(b));
    b.flyOffCuts = 2;  // fly-off results are not part of the record's identity
    b.versionText = "119";
    EXPECT_TRUE(a.sameRecord(b));
    b.category = "4";  // a changed power level alone is still a change
    EXPECT_FALSE(a.sameRecord(b));
    EXPECT_TRUE(a.sameDataOnFile(b));
    b = a;
    b.recordVersion = 0;  // the other may be older
    EXPECT_TRUE(a.sameRecord(b));
    EXPECT_FALSE(b.sameRecord(a));
    b = a;
    b.email = "x";
    EXPECT_FALSE(a.sameDataOnFile(b));
    EXPECT_FALSE(a.sameRecord(b));
}

TEST(Pilot, SetClassStampsOnlyAChange) {
    KORVAPilot p;
    EXPECT_EQ(p.setClass(3, 1000), 1);
    EXPECT_EQ(p.classChangedAt, 0);
    EXPECT_EQ(p.setClass(4, 2000), 2);
    EXPECT_EQ(p.classChangedAt, 2000);
    EXPECT_EQ(p.setClass(9, 3000), -1);
}

TEST(Pilot, AddPlaneRefusesAThirdWithMessage215) {
    test::ScriptedInteraction ui;
    KORVAPilot p;
    EXPECT_FALSE(p.addPlane(0, ui));
    EXPECT_TRUE(p.addPlane(1, ui));
    EXPECT_TRUE(p.addPlane(2, ui));
    ui.expect(215);
    EXPECT_FALSE(p.addPlane(3, ui));
    EXPECT_EQ(p.planeCount, 2);
    ASSERT_EQ(ui.asked.size(), 1u);
    EXPECT_EQ(ui.asked[0].text, "A pilot cannot fly more than 2 different planes in one class.");
    EXPECT_EQ(ui.asked[0].icon, Icon::Error);
}

TEST(Pilot, PlanesCategoryAndNames) {
    PlaneArray planes;
    for (int i = 1; i <= 3; ++i) {
        auto plane = std::make_unique<KORVAPlane>();
        plane->planeNumber = i;
        plane->backup = i == 2 ? 1 : 0;
        plane->safetyChecked = i == 3 ? 1 : 0;
        planes.push_back(std::move(plane));
    }
    KORVAPilot p;
    EXPECT_EQ(p.primaryPlane(planes), 0);
    EXPECT_EQ(p.primaryPlaneSafetyChecked(planes), 1);  // nothing to check yet
    p.planeCount = 2;
    p.planeNumbers[0] = 2;
    p.planeNumbers[1] = 1;
    EXPECT_EQ(p.primaryPlane(planes), 1);
    EXPECT_EQ(p.backupPlane(planes), 2);
    EXPECT_EQ(p.primaryPlaneSafetyChecked(planes), 0);
    p.planeNumbers[1] = 3;
    EXPECT_EQ(p.primaryPlaneSafetyChecked(planes), 1);
    p.planeNumbers[1] = 99;  // a number beyond the array is skipped, not followed
    EXPECT_EQ(p.primaryPlane(planes), 0);

    for (auto [text, level] : {std::pair{"4", 4}, {"1", 1}, {"04", 0}, {"5", 0}, {"", 0}}) {
        p.category = text;
        EXPECT_EQ(p.categoryLevel(), level) << text;
    }
    p.firstName = "Ann";
    p.middleInitial = "B";
    p.lastName = "Cole";
    p.channel = 45;
    EXPECT_EQ(p.fullName(), "Ann Cole");
    EXPECT_EQ(p.shortName(), "AB Cole");
    EXPECT_EQ(p.channelText(), "45");
}

TEST(Pilot, FlagTextsReadExactly) {
    KORVAPilot p = samples::makePilot(1, 1, 20);
    p.dqFlag = 1;
    EXPECT_EQ(roundTrip(p).dqFlag, 1);
    p.dqFlag = 0;
    p.lane1Affinity = 1;
    EXPECT_EQ(roundTrip(p).lane1Affinity, 1);
    EXPECT_EQ(roundTrip(p).dqFlag, 0);
}

TEST(HeatTime, PartsAndTotalsAgree) {
    KORVAHeatTime t;
    t.setTotal(6507);
    EXPECT_EQ(t.text(), "1:05.07");
    t.setParts(1, 5, 7);
    EXPECT_EQ(t.totalHundredths, 6507);
    EXPECT_EQ(t.plausibleForBracket(0), 0);
    t.setTotal(8400);
    EXPECT_EQ(t.plausibleForBracket(0), 1);
    t.setTotal(5699);
    EXPECT_EQ(t.plausibleForBracket(1), 0);
    EXPECT_EQ(t.plausibleForBracket(2), 1);
    EXPECT_EQ(t.plausibleForBracket(7), 1);
    EXPECT_TRUE(t.atLeastFiftySeconds());
    t.setTotal(4999);
    EXPECT_FALSE(t.atLeastFiftySeconds());
    EXPECT_EQ(faiScore(6000, 0), 6000);
    EXPECT_EQ(faiScore(6005, 1), 6606);  // plus 10 %, rounded half up
    EXPECT_EQ(faiScore(19000, 1), 20000);
    EXPECT_EQ(faiScore(5000, 2), 20000);
}

// A lookup over a fixed set of pilots for the heat operations.
class Pilots : public PilotLookup {
public:
    Pilots(std::initializer_list<std::pair<int, int>> numberAndChannel) {
        for (auto [n, c] : numberAndChannel) {
            auto p = std::make_unique<KORVAPilot>(n);
            p->channel = c;
            pilots_.push_back(std::move(p));
        }
    }
    const KORVAPilot* pilotByNumber(std::int32_t n) const override {
        for (const auto& p : pilots_) {
            if (p->pilotNumber == n) return p.get();
        }
        return nullptr;
    }

private:
    PilotArray pilots_;
};

TEST(Heat, NewHeatResetsAndLowTime) {
    KORVAHeat h(500);
    EXPECT_EQ(h.modifiedAt, 500);
    EXPECT_EQ(h.laneStarted, (std::array<int, 4>{1, 1, 1, 1}));
    EXPECT_FALSE(h.isComplete());
    KORVAHeatTime low;
    EXPECT_FALSE(h.lowTime(low));
    EXPECT_EQ(low.totalHundredths, 20000);

    h.lanePilot = {3, 5, 7, 0};
    h.laneTime[0].setTotal(9000);
    h.laneTime[1].setTotal(8500);
    h.laneCuts[1] = 1;  // 8500 + 850 = 9350: the lane without cuts is lower
    h.laneTime[3].setTotal(100);  // an empty lane's time does not count
    EXPECT_FALSE(h.lowTime(low));
    EXPECT_EQ(low.totalHundredths, 9000);
    h.laneCuts[0] = 2;
    EXPECT_TRUE(h.lowTime(low));
    EXPECT_EQ(low.totalHundredths, 9350);
    KORVAHeatTime raw;
    h.lowestRawTime(raw);
    EXPECT_EQ(raw.totalHundredths, 8500);

    h.complete = 900;
    h.laneFinish = {1, 2, 3, 0};
    h.laneStarted[2] = 0;
    h.clearResults(600);
    EXPECT_EQ(h.lanePilot, (std::array<int, 4>{3, 5, 7, 0}));
    EXPECT_EQ(h.laneStarted[2], 1);
    EXPECT_EQ(h.laneFinish[0], 0);
    EXPECT_EQ(h.laneTime[1].totalHundredths, 0);
    EXPECT_FALSE(h.isComplete());
    EXPECT_EQ(h.modifiedAt, 600);
    h.clearAll(700);
    EXPECT_EQ(h.lanePilot, (std::array<int, 4>{0, 0, 0, 0}));
}

TEST(Heat, SwapsConflictsAndRotation) {
    const Pilots pilots{{3, 45}, {5, 22}, {7, 30}, {8, 45}, {9, 120}, {10, 120}};
    KORVAHeat h(1);
    h.lanePilot = {3, 5, 7, 0};
    h.swapPilots(3, 7);
    EXPECT_EQ(h.lanePilot, (std::array<int, 4>{7, 5, 3, 0}));

    // Bringing pilot 8 (channel 45) in for 7 conflicts only if someone else flies 45.
    EXPECT_EQ(h.swapWouldConflict(7, 8, pilots, 2), 1);  // pilot 3 is on 45
    EXPECT_EQ(h.lanePilot, (std::array<int, 4>{8, 5, 3, 0}));
    EXPECT_EQ(h.modifiedAt, 2);
    EXPECT_EQ(h.swapWouldConflict(1, 2, pilots, 3), 0);  // neither flies here
    EXPECT_EQ(h.modifiedAt, 2);
    EXPECT_EQ(h.swapWouldConflict(3, 8, pilots, 4), 0);  // same channel: no new conflict

    EXPECT_TRUE(h.channelConflict(5, 45, pilots));
    EXPECT_FALSE(h.channelConflict(5, 46, pilots));
    EXPECT_FALSE(h.channelConflict(11, 45, pilots));  // not in the heat
    KORVAHeat pseudo(1);
    pseudo.lanePilot = {9, 10, 0, 0};
    EXPECT_FALSE(pseudo.channelConflict(9, 120, pilots));

    h.lanePilot = {1, 2, 3, 4};
    h.rotateLanes(1, 3, 9);
    EXPECT_EQ(h.lanePilot, (std::array<int, 4>{2, 3, 1, 4}));
    h.rotateLanes(2, 4, 10);
    EXPECT_EQ(h.lanePilot, (std::array<int, 4>{1, 4, 2, 3}));
    EXPECT_EQ(h.modifiedAt, 10);
    h.removePilot(4, 11);
    EXPECT_EQ(h.lanePilot, (std::array<int, 4>{1, 0, 2, 3}));
}

TEST(Round, HeatsNumbersAndCompletion) {
    KORVAMatrix m;
    auto& r = m.appendRound(std::make_unique<KORVARound>());
    EXPECT_EQ(r.roundValue2, 1);
    EXPECT_EQ(r.matrix, &m);
    EXPECT_FALSE(r.allComplete());  // an empty round is not complete
    for (int i = 0; i < 3; ++i) {
        auto heat = std::make_unique<KORVAHeat>(0);
        heat->lanePilot = {i * 2 + 1, i * 2 + 2, 0, 0};
        r.addHeat(std::move(heat), 77);
    }
    EXPECT_EQ(r.heatCount, 3);
    EXPECT_EQ(r.heatAt(2)->heatNumber, 3);
    EXPECT_EQ(r.heatAt(2)->round, &r);
    EXPECT_EQ(r.heatAt(2)->modifiedAt, 77);
    EXPECT_EQ(r.heatAt(3), nullptr);
    EXPECT_EQ(r.heatIndexOf(4), 1);
    EXPECT_EQ(r.laneOf(4), 1);
    EXPECT_EQ(r.laneOf(40), -1);
    r.heatAt(0)->complete = 5;
    EXPECT_TRUE(r.anyComplete());
    EXPECT_FALSE(r.allComplete());
    r.touchHeatsOf(6, 88);
    EXPECT_EQ(r.heatAt(2)->modifiedAt, 88);
    EXPECT_EQ(m.MatrixTime[0], 88);
    r.roundValue3 = 9;
    r.reset(90);
    EXPECT_FALSE(r.anyComplete());
    EXPECT_EQ(r.roundValue3, 0);
    r.removeLastHeat();
    EXPECT_EQ(r.heatCount, 2);

    FixedClock clock;
    Archive out(clock);
    r.Serialize(out);
    Archive in(clock, out.bytes());
    KORVARound back;
    back.Serialize(in);
    ASSERT_EQ(back.heats.size(), 2u);
    EXPECT_EQ(back.heats[1]->round, &back);
    EXPECT_EQ(back.heats[1]->lanePilot, r.heats[1]->lanePilot);
}

}  // namespace
}  // namespace korva
