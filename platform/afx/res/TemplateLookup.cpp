#include "platform/afx/res/TemplateLookup.h"

namespace hb::afx {

namespace {

TemplateLookup& Lookup() {
    static TemplateLookup lookup;
    return lookup;
}

} // namespace

void SetTemplateLookup(TemplateLookup lookup) {
    Lookup() = std::move(lookup);
}

const DialogTemplate* FindDialogTemplate(UINT id) {
    return Lookup() ? Lookup()(id) : nullptr;
}

} // namespace hb::afx
