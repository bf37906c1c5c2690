#pragma once
// Which setting of a channel parameter record changed. The radio views compare the record they
// last sent with the one being edited and send it again only when something the radio takes
// differs; the code of the first difference is shown on the panel's status LED.

#include "platform/records/Parm.h"

#include <cstdint>

// 0 for records the radio cannot tell apart, else 6300 + 3n for the n-th test that differs.
// Model views may answer codes of their own outside that range.
using ParmChangeCode = std::uint32_t;

inline constexpr ParmChangeCode kParmUnchanged = 0;
inline constexpr ParmChangeCode kParmFrequencyChanged = 6300;

// Tests the fields in a fixed order and returns at the first difference. The sweep frequency, the
// level and request bytes, the model words, the memory channel, the sweep kind and the lock-out
// never count; of the option flags only the bits 0x0C42 do.
ParmChangeCode CompareParm(const parm& a, const parm& b);
