#pragma once
#include <gtest/gtest.h>

namespace hb::testkit {

// The fixture every platform and system test derives from: it resets all platform state.
class PlatformTest : public ::testing::Test {};

} // namespace hb::testkit
