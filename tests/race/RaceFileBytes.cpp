#include "race/RaceFileBytes.h"

namespace korva::test {

void heatTimeBytes(ByteBuilder& b, const KORVAHeatTime& t, bool oldest) {
    b.ints({t.minutes, t.seconds, t.hundredths, t.totalHundredths}).spare(5);
    if (oldest) {
        b.i32(0).zeros(4 + 5).doubles(5).zeros(5);
    } else {
        b.i32(100);
    }
}

void pilotBytes(ByteBuilder& b, const KORVAPilot& p, PilotLayout layout, const std::string& dq,
                const std::string& lane1) {
    b.ints({p.pilotNumber, p.active, p.planeCount, p.paid, p.signedWaiver, p.classIndex,
            p.bracket});
    for (const std::string* s : {&p.lastName, &p.firstName, &p.middleInitial, &p.city, &p.state,
                                 &p.postalCode, &p.address, &p.extra1, &p.extra2,
                                 &p.associationNumber, &p.pilotId}) {
        b.str(*s);
    }
    b.ints({p.channel, p.reservedA, p.reservedB, p.classChangedAt});
    for (auto n : p.planeNumbers) b.i32(n);
    for (const std::string* s : {&p.phoneDay, &p.phoneNight, &p.phoneCell, &p.email, &p.pager,
                                 &p.category}) {
        b.str(*s);
    }
    b.str(!dq.empty() ? dq : p.dqFlag ? "DQ" : " ");
    b.str(!lane1.empty() ? lane1 : p.lane1Affinity ? "T" : " ");
    switch (layout) {
        case PilotLayout::Current:
            b.str("120").spare(31).ints({p.buddy, 100, p.modifiedAt, p.flyOffPoints,
                                         p.flyOffCuts});
            heatTimeBytes(b, p.flyOffTime);
            break;
        case PilotLayout::Before118:
            b.str("117").spare(31).ints({p.buddy, 100, p.modifiedAt, p.flyOffPoints});
            break;
        case PilotLayout::Oldest:
            b.str("100").spare(31).ints({p.buddy, 0}).zeros(38 + 40).doubles(40).zeros(40);
            break;
    }
}

void planeBytes(ByteBuilder& b, const KORVAPlane& p, bool oldest) {
    b.ints({p.backup, p.safetyChecked, p.pilotNumber, p.planeNumber})
        .str(p.type)
        .str(p.mainColor)
        .str(p.engine)
        .spare(10);
    if (oldest) {
        b.i32(0).zeros(4 + 5 + 5).doubles(2).zeros(5);
    } else {
        b.i32(100);
    }
}

void heatBytes(ByteBuilder& b, const KORVAHeat& h, bool oldest) {
    for (std::size_t l = 0; l < 4; ++l) {
        b.i32(h.lanePilot[l]);
        heatTimeBytes(b, h.laneTime[l]);
        b.ints({h.laneCuts[l], h.lanePoints[l], h.laneFinish[l], h.laneStarted[l],
                h.laneFinished[l], h.laneExtra[l]});
    }
    b.ints({4, h.heatNumber, 4, h.heatExtra, h.complete}).spare(80);
    if (oldest) {
        b.i32(0).zeros(79 + 80 + 80).doubles(80).zeros(80);
    } else {
        b.ints({100, h.modifiedAt});
    }
}

void roundHeadBytes(ByteBuilder& b, const KORVARound& r, bool oldest) {
    b.ints({r.heatCount, 0, r.roundValue1, r.roundValue2, r.roundValue3, r.roundValue4,
            r.roundValue5})
        .spare(20);
    if (oldest) {
        b.i32(0).zeros(19 + 20 + 20).doubles(20).zeros(20);
    } else {
        b.i32(100);
    }
}

void headerBytes(ByteBuilder& b, const HeaderSpec& h) {
    const int V = h.version;
    b.str(h.title).ints({4, 3, 4, 2, 3, 3});
    b.ints({1, 1, 0, 1, 0});           // 426, Q40, 424 AMA, 424 APRA, matrix type
    b.ints({11, 12, 13, 14, 15, 16});  // menu ids, recomputed on loading
    b.i32(5);                          // award places
    b.str("Courier").str("Times").str(std::to_string(V));
    b.boolText(false).boolText(true).str("1").str("1").spare(27);
    b.boolText(true).boolText(false).boolText(true).boolText(false).boolText(true);
    b.str(h.raceFileName).ints({h.channelLimit[0], h.channelLimit[1], h.channelLimit[2]});
    if (h.oldestMarker) {
        b.i32(0).zeros(36 + 40 + 40).doubles(40).zeros(40);
        return;
    }
    b.i32(100).ints({0, 1, 150, 0, 1'500'000'000, 7, 2, 1});  // step 12
    if (V < 104) return;
    b.ints({h.raceFinished, h.heatScoring, h.saveReminder});
    if (V < 105) return;
    b.ints({h.maxThreeLanes, h.maxThreeLanes});
    if (V < 109) return;
    b.i32(h.userClass).str(h.userClassName);
    if (V < 114) return;
    b.i32(h.faiClass);
    for (const auto& c : h.laneColors) b.str(c);
    b.ints({h.rotateEvery, 0, 0, 0}).spare(3);
    if (V >= 116) b.i32(h.channelSortOrder);
    if (V >= 120) b.i32(h.cardPrintCounter);
}

void emptyMatrixSectionBytes(ByteBuilder& b, int channelEntries, bool oldestRaceMatrix,
                             bool oldestMatrices) {
    for (int bracket = 0; bracket < 3; ++bracket) {
        b.ints({1, 0, 0, 0, -1, 1});                      // per-bracket values
        b.ints({-1, 0, 0, 1'600'000'001, 1'600'000'000, 0, 0}).spare(20);
        if (oldestMatrices) {
            b.i32(0).zeros(19 + 20 + 20).doubles(20).zeros(20);
        } else {
            b.i32(100);
        }
        b.count(0);
    }
    for (int t = 0; t < 3; ++t) {
        for (int c = 0; c < channelEntries; ++c) b.i32(c == 22 ? 4 : 0);
    }
    b.ints({7, 4, 0, 1, 1, 0}).spare(160);
    if (oldestRaceMatrix) {
        b.i32(0).zeros(159 + 160 + 160).doubles(160).zeros(160);
    } else {
        b.i32(100);
    }
}

}  // namespace korva::test
