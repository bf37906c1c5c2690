#include "platform/tessary/model/TimeFunctions.h"

#include "platform/win/core/Clock.h"

namespace {

bool Convert(std::int64_t seconds, std::tm* result, std::tm* (*convert)(const time_t*, std::tm*)) {
    static_assert(sizeof(time_t) >= sizeof(seconds), "seconds must fit time_t");
    if (!result) {
        return false;
    }
    const auto t = static_cast<time_t>(seconds);
    std::tm converted{};
    if (!convert(&t, &converted)) {
        return false;
    }
    *result = converted;
    return true;
}

} // namespace

bool SafeLocalTime(std::int64_t seconds, std::tm* result) {
    return Convert(seconds, result, localtime_r);
}

bool SafeGMTime(std::int64_t seconds, std::tm* result) {
    return Convert(seconds, result, gmtime_r);
}

std::uint64_t GetLongTimeNow() {
    return hb::win::LongTimeNow();
}
