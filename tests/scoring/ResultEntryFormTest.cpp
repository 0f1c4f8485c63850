#include <gtest/gtest.h>

#include "scoring/HeatResultForm.h"
#include "scoring/ScoringRules.h"

namespace korva {
namespace {

bool zeroed(const HeatResultRow& r) {
    return r.finish == 0 && r.seconds == 0;
}

// DNS/DNF clicks, finish typing and two cuts are followed through the command tests.
TEST(ResultEntryFormTest, LiveRulesFollowTheScoringSystemAndRestWhileFilling) {
    KORVAHeatUpdateDlg form;
    for (int l = 0; l < 3; ++l) form.rows[static_cast<std::size_t>(l)].pilot = 5 + l;
    for (HeatResultRow& r : form.rows) r.finish = r.seconds = 2;
    typeCuts(form, 0, 1);
    EXPECT_FALSE(zeroed(form.rows[0]));  // one cut under AMA: still a finisher
    clickOut(form, 1, kDidNotFinish);
    typeTime(form, 1, HeatResultField::Seconds, 12);  // a time does not undo DNF here
    EXPECT_EQ(form.rows[1].state, kDidNotFinish);

    form.heatScoring = kScoringCutIsPoint;
    form.filling = true;
    typeCuts(form, 2, 1);
    EXPECT_FALSE(zeroed(form.rows[2]));
    form.filling = false;
    typeCuts(form, 2, 1);
    EXPECT_TRUE(zeroed(form.rows[2]));
    EXPECT_EQ(finisherCount(form), 0);

    form.fai = true;  // FAI: a time brings a DNF pilot back; finish is not shown
    typeTime(form, 1, HeatResultField::Hundredths, 7);
    EXPECT_EQ(form.rows[1].state, kRaced);
    EXPECT_FALSE(fieldShown(form, 0, HeatResultField::Finish));
}

}  // namespace
}  // namespace korva
