#include "platform/win/core/ExternalWait.h"

#include "platform/win/core/Internal.h"

namespace hb::win {

namespace {

constexpr std::int64_t kDefaultLimitMs = 10'000;

struct ExternalWaits {
    int held = 0;
    std::int64_t limitMs = kDefaultLimitMs;
};

ExternalWaits& Waits() {
    static ExternalWaits waits;
    return waits;
}

} // namespace

ExternalWait::ExternalWait() {
    ++Waits().held;
}

ExternalWait::~ExternalWait() {
    --Waits().held;
}

bool ExternalWaitHeld() {
    return Waits().held > 0;
}

void SetExternalWaitLimit(std::int64_t ms) {
    Waits().limitMs = ms;
}

std::int64_t ExternalWaitLimit() {
    return Waits().limitMs;
}

namespace detail {

void ResetExternalWaitLimit() {
    Waits().limitMs = kDefaultLimitMs;
}

} // namespace detail

} // namespace hb::win
