#pragma once
// Text helpers of the settings stores.

#include "platform/win/core/NoCase.h"

#include <string_view>

namespace hb::win {

// Without surrounding spaces, tabs and carriage returns.
inline std::string_view TrimSpace(std::string_view s) {
    const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && space(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && space(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

} // namespace hb::win
