#include "radioview/RadioView.h"

#include "app/radiowindow/RadioFrame.h"
#include "app/rig/Rig.h"
#include "platform/afx/CDocument.h"
#include "resources/ResourceIds.h"

IMPLEMENT_DYNCREATE(CRadioView, CEnhancedFormView)

namespace {

constexpr std::uint8_t kStartRequested = 0xFF;

} // namespace

CRadioView::CRadioView() : CEnhancedFormView(IDD_RADIO_VIEW) {}

CRuntimeClass* CRadioView::GetViewClass(CRig*) {
    return RUNTIME_CLASS(CRadioView);
}

void CRadioView::OnInitialUpdate() {
    CEnhancedFormView::OnInitialUpdate();
    if (auto* frame = DYNAMIC_DOWNCAST(CRadioFrame, GetParentFrame())) {
        frame->m_state[1] = kStartRequested;
        frame->OnRadioStart();
    }
    UpdateTitle();
}

void CRadioView::UpdateTitle() {
    if (m_rig && GetDocument()) {
        GetDocument()->SetTitle(m_rig->m_section);
    }
}

void CRadioView::LoadParmIntoActiveVfo(const parm* record, BOOL tune) {
    m_calls.push_back(
        {"LoadParmIntoActiveVfo", record ? 1u : 0u, static_cast<std::uint32_t>(tune)});
}

void CRadioView::TuneFrequency(std::uint32_t frequency, BOOL tune) {
    m_calls.push_back({"TuneFrequency", frequency, static_cast<std::uint32_t>(tune)});
}

void CRadioView::SetManualChannel(std::uint32_t frequency, std::uint32_t mode) {
    m_calls.push_back({"SetManualChannel", frequency, mode});
}

void CRadioView::OnDeviceOpen(WPARAM wParam, LPARAM lParam) {
    m_calls.push_back(
        {"OnDeviceOpen", static_cast<std::uint32_t>(wParam), static_cast<std::uint32_t>(lParam)});
}
