#include "audio/ReportTime.h"

#include "platform/tessary/model/TimeFunctions.h"

#include <array>
#include <limits>

namespace hb::audio {
namespace {

constexpr int kFirstYear = 69;
constexpr int kLastYear = 139;
constexpr std::int64_t kDaysTo1970 = 25567;
// Days before each month, less one.
constexpr std::array<int, 12> kDaysBefore = {-1,  30,  58,  89,  119, 150,
                                             180, 211, 242, 272, 303, 333};

bool InRange(std::int64_t value) {
    return value >= std::numeric_limits<std::int32_t>::min() &&
           value <= std::numeric_limits<std::int32_t>::max();
}

} // namespace

std::int32_t TmToSeconds(std::tm* time) {
    if (!time) {
        return -1;
    }
    std::int64_t year = time->tm_year;
    if (year < kFirstYear || year > kLastYear) {
        return -1;
    }
    int month = time->tm_mon;
    if (month < 0 || month > 11) {
        year += month / 12;
        month %= 12;
        if (month < 0) {
            month += 12;
            --year;
        }
        if (year < kFirstYear || year > kLastYear) {
            return -1;
        }
    }
    std::int64_t days = 365 * year + ((year - 1) >> 2) +
                        kDaysBefore[static_cast<std::size_t>(month)] - kDaysTo1970 + time->tm_mday;
    if (year % 4 == 0 && month > 1) {
        ++days;
    }
    std::int64_t seconds = days;
    for (const auto& [factor, add] :
         {std::pair{24, time->tm_hour}, std::pair{60, time->tm_min}, std::pair{60, time->tm_sec}}) {
        if (!InRange(seconds) || !InRange(seconds * factor) || !InRange(seconds * factor + add)) {
            return -1;
        }
        seconds = seconds * factor + add;
    }
    std::tm normal{};
    if (!SafeGMTime(seconds, &normal)) {
        return -1;
    }
    *time = normal;
    return static_cast<std::int32_t>(seconds);
}

} // namespace hb::audio
