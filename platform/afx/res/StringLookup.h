#pragma once
#include "platform/win/WinTypes.h"

#include <functional>
#include <optional>
#include <string>

namespace hb::afx {

// Where string resources come from: the resource chain, unless a lookup is set in its place.
using StringLookup = std::function<std::optional<std::string>(UINT id)>;
void SetStringLookup(StringLookup lookup);
std::optional<std::string> LoadResourceString(UINT id);

} // namespace hb::afx
