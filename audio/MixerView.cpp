#include "audio/MixerView.h"

#include "platform/afx/res/DialogTemplate.h"
#include "platform/afx/res/TemplateLookup.h"

IMPLEMENT_DYNAMIC(CMixerView, CFormView)

namespace {

constexpr UINT kMixerForm = 29592;

} // namespace

CMixerView::CMixerView() : CFormView(kMixerForm) {}

CSize CMixerView::GetContentSize() {
    CSize extent;
    if (const hb::afx::DialogTemplate* form = hb::afx::FindDialogTemplate(GetTemplateId())) {
        const RECT pixels = hb::afx::DluToPixels({0, 0, form->cx, form->cy});
        extent = CSize(pixels.right, pixels.bottom);
    }
    CRect client;
    GetClientRect(&client);
    const CSize size(extent.cx - client.left, extent.cy - client.top);
    SetScrollSizes(MM_TEXT, size);
    return size;
}
