#pragma once
#include "platform/afx/Value.h"
#include "platform/instruments/KindInfo.h"

#include <optional>
#include <string>

namespace hb::instruments {

// Any number as a double (a Boolean is 0 or 1); 0 for a text.
double NumberOf(const hb::afx::Value& value);
// A text as it is; empty for a number.
std::string TextOf(const hb::afx::Value& value);
// The value in the alternative the property type stores (see PropType); a number is rounded for
// an integer type. nullopt for a text given to a number or a number given to a text.
std::optional<hb::afx::Value> ConvertTo(PropType type, const hb::afx::Value& value);

} // namespace hb::instruments
