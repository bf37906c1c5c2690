#include "platform/tessary/model/Rounding.h"

#include <gtest/gtest.h>

#include <limits>

namespace hb::tessary::test {
namespace {

TEST(RoundingTest, TypedFrequenciesRoundToTheNearestHertzAndNeverWrap) {
    EXPECT_EQ(RoundToU32(128.01 * 1'000'000), 128'010'000u);
    EXPECT_EQ(RoundToU32(0.5), 1u);
    EXPECT_EQ(RoundToU32(-1'000'000), 0u);
    EXPECT_EQ(RoundToU32(5000.0 * 1'000'000), 0xFFFFFFFFu);
    EXPECT_EQ(RoundToU32(std::numeric_limits<double>::quiet_NaN()), 0u);
}

TEST(RoundingTest, TruncationKeepsTheWholePartWithinTheSameBounds) {
    EXPECT_EQ(TruncateToU32(25.999), 25u);
    EXPECT_EQ(TruncateToU32(-12.5), 0u);
    EXPECT_EQ(TruncateToU32(1e12), 0xFFFFFFFFu);
    EXPECT_EQ(TruncateToU32(std::numeric_limits<double>::quiet_NaN()), 0u);
}

TEST(RoundingTest, AMovedRangeIsShiftedBackInsideTheLimitsWhole) {
    const auto left = ClampFrequencyRange(-14'850'000, 15'050'000, 100'000, 2'000'000'000);
    EXPECT_EQ(left.start, 100'000u);
    EXPECT_EQ(left.end, 30'000'000u);
    const auto right = ClampFrequencyRange(1'999'000'000, 2'001'000'000, 100'000, 2'000'000'000);
    EXPECT_EQ(right.start, 1'998'000'000u);
    EXPECT_EQ(right.end, 2'000'000'000u);
    // Wider than the limits: both ends held.
    const auto wide = ClampFrequencyRange(-5'000'000'000, 5'000'000'000, 100'000, 2'000'000'000);
    EXPECT_EQ(wide.start, 100'000u);
    EXPECT_EQ(wide.end, 2'000'000'000u);
}

} // namespace
} // namespace hb::tessary::test
