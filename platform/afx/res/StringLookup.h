#pragma once
#include "platform/win/WinTypes.h"

#include <functional>
#include <optional>
#include <string>

namespace hb::afx {

// Where string resources come from: the resource chain plugs itself in here. Without a lookup no
// string is found.
using StringLookup = std::function<std::optional<std::string>(UINT id)>;
void SetStringLookup(StringLookup lookup);
std::optional<std::string> LoadResourceString(UINT id);

} // namespace hb::afx
