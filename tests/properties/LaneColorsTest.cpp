#include <gtest/gtest.h>

#include "properties/LaneColors.h"

namespace korva {
namespace {

TEST(LaneColors, CodesNamesAndIndexesConvertBothWays) {
    EXPECT_EQ(laneColorIndex("LG"), 0);
    EXPECT_EQ(laneColorIndex("lr"), 1);
    EXPECT_EQ(laneColorIndex("Hb"), 1);
    EXPECT_EQ(laneColorIndex("HG"), 2);
    EXPECT_EQ(laneColorIndex("hr"), 3);
    EXPECT_EQ(laneColorIndex("XX"), -1);
    EXPECT_EQ(laneColorIndex(""), -1);
    EXPECT_EQ(laneColorIndex("LGX"), -1);
    for (int i = 0; i < kLaneColorCount; ++i) EXPECT_EQ(laneColorIndex(laneColorCode(i)), i);
    EXPECT_EQ(laneColorCode(1, true), "HB");
    EXPECT_EQ(laneColorCode(3, true), "HR");
    EXPECT_EQ(laneColorCode(4), "Unknown");
    EXPECT_EQ(laneColorCode(-1), "Unknown");
    EXPECT_EQ(laneColorName("lg"), "Low Green");
    EXPECT_EQ(laneColorName("LR"), "Low Red");
    EXPECT_EQ(laneColorName("HB"), "High Blue");
    EXPECT_EQ(laneColorName("HG"), "High Green");
    EXPECT_EQ(laneColorName("HR"), "High Red");
    EXPECT_EQ(laneColorName("Low Green"), "Unknown");
}

}  // namespace
}  // namespace korva
