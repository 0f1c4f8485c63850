#include <gtest/gtest.h>

#include "matrix/MatrixFixture.h"
#include "matrix/ReferenceScorer.h"
#include "matrix/RoundPlanner.h"
#include "ui/CRandom.h"

namespace korva::test {
namespace {

// The program's scorer and the literal one choose the same order, with the same score, in
// every round of many random plans; the trace log is switched off to keep this quick.
TEST(SearchAgreement, ProgramAndLiteralSearchPickTheSameOrders) {
    MatrixTrace silent("/nonexistent-korva-folder");
    CRandom random(2024);
    int searched = 0;
    for (int field = 0; field < 200; ++field) {
        PlanRequest rq;
        rq.lanes = 3 + random.rand() % 2;
        rq.heats = 2 + random.rand() % (kSanitized ? 4 : 5);
        rq.roundQuan = 1 + random.rand() % (kSanitized ? 5 : 8);
        rq.beginRound = 1 + random.rand() % rq.roundQuan;
        rq.extraRounds = random.rand() % 2 == 0 ? 3 : 0;
        const HeatOrderPlan program = planHeatOrders(rq, silent);
        rq.scorer = ReferenceScorer::factory();
        const HeatOrderPlan literal = planHeatOrders(rq, silent);
        ASSERT_EQ(program.orders, literal.orders)
            << rq.lanes << " lanes, " << rq.heats << " heats, " << rq.roundQuan << " rounds";
        ASSERT_EQ(program.bestScore, literal.bestScore);
        searched += program.bestScore.back() != 0;
    }
    EXPECT_GT(searched, 120);
}

}  // namespace
}  // namespace korva::test
