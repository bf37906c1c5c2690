#pragma once
// The keys of a radio's section that its link reads:
//   Baud         = the line rate in bits a second (default 9600); a serial port takes the
//                  standard rates 1200 to 115200
//   ReplyTimeout = milliseconds the radio may take to answer a line after its last byte left
//                  (default 1000)
//   Memories     = frequencies in Hz a simulated memory radio holds from its first memory on,
//                  separated by commas or blanks, filled when it is first opened

#include <cstdint>
#include <string>
#include <vector>

namespace hb::engine {

inline constexpr unsigned kDefaultBaud = 9600;
inline constexpr std::int64_t kDefaultReplyTimeoutMs = 1000;

struct LinkSettings {
    unsigned baud = kDefaultBaud;
    std::int64_t replyTimeoutMs = kDefaultReplyTimeoutMs;
    std::vector<std::uint32_t> memories;
};

LinkSettings ReadLinkSettings(const std::string& path, const std::string& section);

// The rates a serial port runs at.
inline constexpr unsigned kStandardBauds[] = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
bool IsStandardBaud(unsigned baud);

} // namespace hb::engine
