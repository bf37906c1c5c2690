#include "platform/afx/res/StringLookup.h"

#include "platform/afx/res/ResourceChain.h"

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
    if (Lookup()) {
        return Lookup()(id);
    }
    const StringResource* string = FindStringResource(id);
    return string ? std::optional(string->text) : std::nullopt;
}

} // namespace hb::afx
