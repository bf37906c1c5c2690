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

} // namespace
} // namespace hb::tessary::test
