#include "platform/instruments/PropertyValues.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>
#include <variant>

namespace hb::instruments {

namespace {

// Rounded to the nearest, halves away from zero, and held inside the type's range.
template <class T>
T RoundTo(double number) {
    if (std::isnan(number)) {
        return 0;
    }
    const double low = static_cast<double>(std::numeric_limits<T>::min());
    const double high = static_cast<double>(std::numeric_limits<T>::max());
    return static_cast<T>(std::clamp(std::round(number), low, high));
}

} // namespace

double NumberOf(const hb::afx::Value& value) {
    return std::visit(
        [](const auto& v) {
            if constexpr (std::is_arithmetic_v<std::decay_t<decltype(v)>>) {
                return static_cast<double>(v);
            } else {
                return 0.0;
            }
        },
        value);
}

std::string TextOf(const hb::afx::Value& value) {
    const auto* text = std::get_if<std::string>(&value);
    return text ? *text : std::string();
}

std::optional<hb::afx::Value> ConvertTo(PropType type, const hb::afx::Value& value) {
    const bool isText = std::holds_alternative<std::string>(value);
    if ((type == PropType::Text || type == PropType::Font) != isText) {
        return std::nullopt;
    }
    const double number = NumberOf(value);
    switch (type) {
    case PropType::Int:
        return RoundTo<std::int32_t>(number);
    case PropType::Double:
        return number;
    case PropType::Color:
        return std::int64_t{RoundTo<std::uint32_t>(number)};
    case PropType::Bool:
        return number != 0;
    case PropType::Text:
    case PropType::Font:
        return value;
    }
    return std::nullopt;
}

} // namespace hb::instruments
