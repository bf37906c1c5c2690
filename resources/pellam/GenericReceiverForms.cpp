// The generic receiver panel and the plain panel of trunk models driven as receivers.
#include "platform/win/core/Window.h"
#include "resources/ReceiverPanel.h"
#include "resources/ResourceIds.h"
#include "resources/pellam/PellamForms.h"

namespace hb::resources {

std::vector<DialogTemplate> GenericReceiverForms() {
    Controls generic = ReceiverCore(kFullPanel);
    Append(generic, MemoryBlock(454, 4));
    // One lamp per tone decoder kind: PL, DPL, LTR, Motorola I and II, EDACS.
    const UINT toneKinds[] = {IDC_KIND_PL, IDC_KIND_DPL, IDC_KIND_LTR,
                              IDC_KIND_M1, IDC_KIND_M2,  IDC_KIND_ED};
    for (int i = 0; i < 6; ++i) {
        generic.push_back(
            RoundLamp(toneKinds[i], {454 + (i % 3) * 20, 44 + (i / 3) * 18, 14, 14}, 0x0000FF));
    }
    return {Form(IDD_RADIO_VIEW, 590, 96, kPanelStyle, std::move(generic)),
            Form(IDD_BLAND_VIEW, 454, 96, kPanelStyle, ReceiverCore({}))};
}

} // namespace hb::resources
