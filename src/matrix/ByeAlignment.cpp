#include "matrix/ByeAlignment.h"

#include <algorithm>

#include "matrix/MatrixTrace.h"
#include "ui/Format.h"
#include "ui/Messages.h"

namespace korva {

namespace {

constexpr int kByesMeetId = 431;

using LaneInts = std::array<int, kMaxLanes>;

// Traces every bye of the spread lists; returns each lane's last bye position (-1: none).
LaneInts findByes(const LaneLists& lists, int lanes, MatrixTrace& trace) {
    LaneInts byePos{-1, -1, -1, -1};
    for (int l = 0; l < lanes; ++l) {
        trace.value("Looking for Byes in Lane", l + 1);
        const LaneList& list = lists[static_cast<std::size_t>(l)];
        for (std::size_t p = 0; p < list.size(); ++p) {
            if (list[p]) continue;
            trace.value("bye found at heat", static_cast<int>(p) + 1);
            byePos[static_cast<std::size_t>(l)] = static_cast<int>(p);
        }
    }
    return byePos;
}

void traceModifiedPlan(const HeatOrderPlan& plan, MatrixTrace& trace) {
    for (int t = plan.firstIndex; t < plan.endIndex; ++t) {
        trace.line(cformat("Output Modified Scattered Array - Round=%d", t + 1));
        traceHeatOrder(trace, plan.orders[static_cast<std::size_t>(t)], plan.lanes, plan.heats);
    }
}

template <typename Change>
void changeLaneEverywhere(HeatOrderPlan& plan, int lane, Change change) {
    for (int t = plan.firstIndex; t < plan.endIndex; ++t) {
        auto& row = plan.orders[static_cast<std::size_t>(t)][static_cast<std::size_t>(lane)];
        change(row);
    }
}

// The byes of every lane fly together in the clean round `clean`, which had no repeated
// pairing, so they cannot have met before it.
ByeLists alignByCleanRound(HeatOrderPlan& plan, const LaneLists& spread, int clean,
                           MatrixTrace& trace) {
    const int L = plan.lanes, H = plan.heats;
    const LaneInts byePos = findByes(spread, L, trace);
    int first = 0;
    while (first < L && byePos[static_cast<std::size_t>(first)] < 0) ++first;
    if (first < L && plan.storedAt(clean)) {
        const HeatOrder& order = plan.orders[static_cast<std::size_t>(clean)];
        const auto& firstRow = order[static_cast<std::size_t>(first)];
        const auto it =
            std::find(firstRow.begin(), firstRow.end(), byePos[static_cast<std::size_t>(first)]);
        const auto h1 = static_cast<std::size_t>(it - firstRow.begin());
        for (int l = first + 1; l < L && h1 < firstRow.size(); ++l) {
            const int bye = byePos[static_cast<std::size_t>(l)];
            if (bye < 0) continue;
            const int roll = (order[static_cast<std::size_t>(l)][h1] - bye + 3 * H) % H;
            trace.value("Relative Roll needed for clean round alignment is ", roll);
            changeLaneEverywhere(plan, l, [&](std::vector<int>& row) {
                for (int& p : row) p = (p + H - roll) % H;
            });
            trace.value("Rolled Lane to align byes: ", l + 1);
        }
    }
    traceModifiedPlan(plan, trace);
    return ByeLists::Spread;
}

// Two bye lanes: puts the byes into a pair of lanes whose slots have not all met yet and
// offsets the second so its bye flies against a slot the first bye lane never met.
ByeLists alignByZeroPairing(HeatOrderPlan& plan, LaneLists& spread, int zero, MatrixTrace& trace) {
    const int L = plan.lanes, H = plan.heats;
    const auto& snapshot = plan.snapshots[static_cast<std::size_t>(std::max(zero - 1, 0))];
    LaneInts partner{-1, -1, -1, -1};
    LaneInts zeroPos{0, 0, 0, 0};
    for (int l = 0; l < L && static_cast<std::size_t>(l) < snapshot.size(); ++l) {
        partner[static_cast<std::size_t>(l)] = -1;
        for (int m = 0; m < L; ++m) {
            if (m == l) continue;
            for (int q = 0; q < H; ++q) {
                if (snapshot[static_cast<std::size_t>(l)][static_cast<std::size_t>(m * H + q)] != 0)
                    continue;
                partner[static_cast<std::size_t>(l)] = m;
                partner[static_cast<std::size_t>(m)] = l;
                zeroPos[static_cast<std::size_t>(l)] = q;
            }
        }
    }
    LaneInts byePos = findByes(spread, L, trace);
    auto exchange = [&](int a, int b) {
        std::swap(spread[static_cast<std::size_t>(a)], spread[static_cast<std::size_t>(b)]);
        std::swap(byePos[static_cast<std::size_t>(a)], byePos[static_cast<std::size_t>(b)]);
    };
    int f = 0;
    while (f < L && byePos[static_cast<std::size_t>(f)] < 0) ++f;
    int s = -1;
    for (int l = f + 1; l < L; ++l) {
        if (byePos[static_cast<std::size_t>(l)] >= 0) s = l;
    }
    // Without two bye lanes, or without any pair of slots that never met, there is nothing
    // to align: keeping the byes in one lane is the safe choice.
    int withPartner = 0;
    while (withPartner < L && partner[static_cast<std::size_t>(withPartner)] < 0) ++withPartner;
    if (s < 0 || withPartner == L) return ByeLists::Grouped;
    trace.value("First bye lane found lane ", f + 1);
    trace.value("Second bye lane found lane ", s + 1);
    if (partner[static_cast<std::size_t>(f)] < 0) {
        exchange(f, withPartner);
        if (s == withPartner) s = f;
        f = withPartner;
        trace.value("First bye lane swapped to lane ", f + 1);
    }
    const int p = partner[static_cast<std::size_t>(f)];
    if (s != p) {
        exchange(s, p);
        s = p;
        trace.value("Second bye lane swapped to lane ", s + 1);
    }
    const int offset =
        (3 * H + byePos[static_cast<std::size_t>(f)] + zeroPos[static_cast<std::size_t>(f)] -
         byePos[static_cast<std::size_t>(s)]) %
        H;
    trace.value("Relative offset of second zero is ", zeroPos[static_cast<std::size_t>(f)]);
    changeLaneEverywhere(plan, s, [&](std::vector<int>& row) {
        std::rotate(row.rbegin(), row.rbegin() + offset, row.rend());
    });
    trace.value("Rolled Lane to align byes: ", s + 1);
    traceModifiedPlan(plan, trace);
    return ByeLists::Spread;
}

bool byesMayMeet(Interaction& ui, int round) {
    return showMessage(ui, kByesMeetId, Icon::Warning, Buttons::YesNo, Answer::No, round) ==
           Answer::Yes;
}

template <typename Rows, typename Keep>
int lastIndexWhere(const HeatOrderPlan& plan, int last, const Rows& rows, Keep keep) {
    for (int i = std::min(last, plan.endIndex - 1); i >= plan.firstIndex; --i) {
        if (keep(rows[static_cast<std::size_t>(i)])) return i;
    }
    return 0;
}

}  // namespace

ByeLists alignByes(HeatOrderPlan& plan, LaneLists& spread, const LaneSlack& slack, int roundQuan,
                   Interaction& ui, MatrixTrace& trace) {
    const int lastExtra = roundQuan + 2;
    int slackSum = 0;
    for (int l = 0; l < plan.lanes; ++l) slackSum += slack[static_cast<std::size_t>(l)];

    int clean = lastIndexWhere(plan, lastExtra, plan.maxPairCount, [](int n) { return n < 2; });
    if (clean == 0) {
        trace.line("No clean rounds found");
    } else if (clean < roundQuan) {
        trace.value("Last clean round found within actual rounds at round ", clean + 1);
    } else {
        trace.value("Clean extra round found at round ", clean + 1);
    }

    if (clean < lastExtra && slackSum < 3) {
        const int zero = lastIndexWhere(plan, lastExtra, plan.zeroPairings,
                                        [](std::int64_t n) { return n != 0; });
        if (zero != 0 && clean < zero) {
            trace.value(zero < roundQuan - 1
                            ? "Zero Pairing round found within actual rounds at round "
                            : "Zero Pairing extra round found at round ",
                        zero + 1);
            if (zero >= roundQuan - 1 || byesMayMeet(ui, zero + 2)) {
                return alignByZeroPairing(plan, spread, zero, trace);
            }
            return ByeLists::Grouped;
        }
        trace.line("No Zero Pairing extra round found better than clean round ");
    }
    if (clean == 0) return ByeLists::Grouped;
    if (clean >= roundQuan || byesMayMeet(ui, clean + 1)) {
        return alignByCleanRound(plan, spread, clean, trace);
    }
    return ByeLists::Grouped;
}

}  // namespace korva
