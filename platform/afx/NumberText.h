#pragma once
// Numbers typed into fields; not part of the public surface.
#include <cctype>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>
#include <type_traits>

namespace hb::afx {

// The whole text as a T, white space around it and a leading '+' allowed; nothing when it is not
// a number or does not fit T (an unsigned T takes no '-').
template <class T>
std::optional<T> ParseNumber(std::string_view text) {
    const auto space = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && space(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && space(text.back())) {
        text.remove_suffix(1);
    }
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') {
        text.remove_prefix(1);
    }
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    if constexpr (std::is_floating_point_v<T>) {
        if (!std::isfinite(value)) {
            return std::nullopt;
        }
    }
    return value;
}

} // namespace hb::afx
