#pragma once
// The lines of the type-43 trunk scanner that carry a channel or a search limit, as its radio
// sends them and the engine reads them:
//   MW <record> <flags> <trunk word>   a memory write request; the radio answers OK
//   MA <record>                        the memory "MA%03u" selected
//   RM <mode>                          its mode (3 digits)
//   DL <N|F> <flags> <trunk word>      its delay on or off, and the flag words at 24 and 28
//   LL<limit> / LU<limit>              the search limits in hundreds of hertz (8 digits)
// A record is that of our memory protocol; the flag words have five digits each.

#include "platform/records/Parm.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hb::engine::type43 {

// The radio's delay is on or off; on, it holds for two seconds.
inline constexpr std::int16_t kDelayOnMs = 2000;

inline constexpr std::string_view kMemoryWrite = "MW";
inline constexpr std::string_view kMemory = "MA";
inline constexpr std::string_view kMode = "RM";
inline constexpr std::string_view kDelay = "DL";
inline constexpr std::string_view kLowerLimit = "LL";
inline constexpr std::string_view kUpperLimit = "LU";

// Lines without their carriage return.
std::string MemoryWriteLine(const hb::records::Parm& record);
std::optional<hb::records::Parm> ParseMemoryWriteLine(std::string_view line);

std::string MemoryLine(const hb::records::Parm& record);
std::string ModeLine(std::uint8_t mode);
std::string DelayLine(const hb::records::Parm& record);
std::string LimitLine(std::string_view word, std::uint32_t hz);

// A reply read into the record: true when it was one of the lines above, whole and well formed.
// A memory line replaces the whole record; the others change only their own fields.
bool ReadReply(std::string_view reply, hb::records::Parm& record);

} // namespace hb::engine::type43
