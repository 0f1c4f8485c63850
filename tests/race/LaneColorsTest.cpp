#include <gtest/gtest.h>

#include "race/LaneColors.h"

namespace korva {
namespace {

TEST(LaneColors, CodesGiveTheirIndexWithoutRegardToCase) {
    EXPECT_EQ(laneColorIndex("LG"), 0);
    EXPECT_EQ(laneColorIndex("lr"), 1);
    EXPECT_EQ(laneColorIndex("Hb"), 1);
    EXPECT_EQ(laneColorIndex("hg"), 2);
    EXPECT_EQ(laneColorIndex("HR"), 3);
    for (const char* bad : {"", "L", "LGX", "XX", "HBB", " LG"}) {
        EXPECT_EQ(laneColorIndex(bad), -1) << bad;
    }
}

TEST(LaneColors, IndexGivesCodeWithTheBlueVariantOnlyForLowRed) {
    EXPECT_EQ(laneColorCode(0, true), "LG");
    EXPECT_EQ(laneColorCode(1, false), "LR");
    EXPECT_EQ(laneColorCode(1, true), "HB");
    EXPECT_EQ(laneColorCode(3, true), "HR");
    EXPECT_EQ(laneColorCode(-1, false), "Unknown");
    EXPECT_EQ(laneColorCode(4, true), "Unknown");
}

TEST(LaneColors, CodeGivesName) {
    EXPECT_EQ(laneColorName("LG"), "Low Green");
    EXPECT_EQ(laneColorName("lr"), "Low Red");
    EXPECT_EQ(laneColorName("HB"), "High Blue");
    EXPECT_EQ(laneColorName("HG"), "High Green");
    EXPECT_EQ(laneColorName("hr"), "High Red");
    EXPECT_EQ(laneColorName("ZZ"), "Unknown");
}

}  // namespace
}  // namespace korva
