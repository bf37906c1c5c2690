#include "platform/afx/res/TemplateLookup.h"

#include "platform/afx/res/ResourceChain.h"

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
    return Lookup() ? Lookup()(id) : FindDialogResource(id);
}

} // namespace hb::afx
