#include "platform/afx/res/StringLookup.h"

namespace hb::afx {

namespace {

StringLookup& Lookup() {
    static StringLookup lookup;
    return lookup;
}

} // namespace

void SetStringLookup(StringLookup lookup) {
    Lookup() = std::move(lookup);
}

std::optional<std::string> LoadResourceString(UINT id) {
    return Lookup() ? Lookup()(id) : std::nullopt;
}

} // namespace hb::afx
