#pragma once
// Seconds since 1970-01-01 00:00 UTC of a broken-down UTC time, for years 1969 to 2039. A month
// outside 0..11 is folded into the year. On success the broken-down time is replaced by its
// normalised form; any range or overflow failure gives -1.
#include <cstdint>
#include <ctime>

namespace hb::audio {

std::int32_t TmToSeconds(std::tm* time);

} // namespace hb::audio
