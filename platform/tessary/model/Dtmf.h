#pragma once
// DTMF digits heard with a logged hit.

#include <cstdint>
#include <string>

struct Dtmf {
    std::int64_t time = 0; // seconds since 1970, UTC
    std::string text;
};
