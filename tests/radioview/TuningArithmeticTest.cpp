#include "radioview/TuningArithmetic.h"

#include <gtest/gtest.h>

namespace hb::radioview {
namespace {

TEST(TuningArithmeticTest, SumsAreHeldToTheFrequencyRange) {
    EXPECT_EQ(ClampFrequency(-5'000'000), 0u);
    EXPECT_EQ(ClampFrequency(0x1'0000'0005), 0xFFFFFFFFu);
    EXPECT_EQ(ClampFrequency(145'000'000), 145'000'000u);
}

TEST(TuningArithmeticTest, RoundingToAMultipleGoesUpFromHalfTheMultiple) {
    EXPECT_EQ(RoundToMultiple(145'006'250, 12'500), 145'012'500);
    EXPECT_EQ(RoundToMultiple(145'006'249, 12'500), 145'000'000);
    // An odd multiple halves by integer division: 3 of 7 already rounds up.
    EXPECT_EQ(RoundToMultiple(3, 7), 7);
    EXPECT_EQ(RoundToMultiple(2, 7), 0);
    EXPECT_EQ(RoundToMultiple(-2, 10), 0);
    EXPECT_EQ(RoundToMultiple(-6, 10), -10);
    // Near the top the sum passes 32 bits without wrapping.
    EXPECT_EQ(RoundToMultiple(0xFFFFFFFF, 100'000'000), 4'300'000'000);
}

TEST(TuningArithmeticTest, GridSnapsCountFromTheBaseAndNeverWrap) {
    EXPECT_EQ(SnapToGrid(156'812'000, 156'000'000, 25'000), 156'800'000u);
    EXPECT_EQ(SnapToGrid(156'813'000, 156'000'000, 25'000), 156'825'000u);
    EXPECT_EQ(SnapToGrid(87'640'000, 87'500'000, 100'000), 87'600'000u);
    EXPECT_EQ(SnapToGrid(-3'000'000, 0, 25'000), 0u);
    EXPECT_EQ(SnapToGrid(0xFFFFFFF0, 0, 100'000'000), 0xFFFFFFFFu);
}

} // namespace
} // namespace hb::radioview
