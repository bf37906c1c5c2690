#pragma once
// The ID a simulated tone reader reports for a call heard on a channel.

#include "platform/records/Parm.h"
#include "platform/records/UserId.h"

#include <cstdint>
#include <string>

namespace hb::engine {

// `decodes`: what the reader decodes (the kDecodes* bits). The channel's own tone and squelch
// kind when the reader decodes it; else a tone or, for readers of trunk IDs, a trunk ID chosen by
// the seed and the frequency. Not in use when the reader decodes none of them.
hb::records::UserId HeardToneId(const hb::records::Parm& channel, std::uint32_t decodes,
                                std::uint64_t seed);

// The DTMF characters a reader that decodes DTMF heard on the call that began at `startMs`: on
// about one call in four, 3 to 7 characters chosen by the seed, the frequency and that time;
// else none. A reader without DTMF hears none.
std::string HeardDtmf(const hb::records::Parm& channel, std::uint32_t decodes, std::uint64_t seed,
                      std::int64_t startMs);

} // namespace hb::engine
