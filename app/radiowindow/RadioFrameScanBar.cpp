// The radio window's "Scan" bar: built from its resource, reconciled with simple mode and shown
// with the buttons this radio can use.
#include "app/radiowindow/RadioFrame.h"
#include "app/rig/Rig.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/model/Radio.h"
#include "platform/toolkit/CXTPCommandBars.h"
#include "resources/ResourceIds.h"

namespace {

constexpr LPCSTR kPrevSimpleMode = "PrevSimpleMode";
constexpr int kTrunkCommandButtons[] = {27031, 27039, 27033};
constexpr int kAudioButtons[] = {27036, 28442, 28730, 26010};
constexpr int kSaveAsButton = 27007;

CScanApp& App() {
    return *CScanApp::GetScanApp();
}

bool SimpleModeOn() {
    return App().m_simpleMode || App().IsForcedSimpleMode();
}

void ShowButtons(CXTPToolBar& bar, std::span<const int> ids, bool visible) {
    for (const int id : ids) {
        if (CXTPControl* button = bar.FindControl(id)) {
            button->SetVisible(visible ? TRUE : FALSE);
        }
    }
}

void Refresh(CXTPToolBar& bar) {
    bar.OnInitialUpdate();
    bar.DelayRedraw();
}

} // namespace

void CRadioFrame::CreateScanToolBar() {
    m_scanToolBar = nullptr;
    if (!InitCommandBars(RUNTIME_CLASS(CXTPCommandBars))) {
        return;
    }
    m_scanToolBar = GetCommandBars()->Add("Scan", xtpBarTop);
    if (!m_scanToolBar) {
        return;
    }
    m_scanToolBar->LoadToolBar(IDR_SCAN_BAR);
    m_scanToolBar->SetTitle("Radio Controls");
    const CString& section = m_rig->m_section;
    LoadCommandBars(section);

    const int previous = App().GetProfileIntA(section, kPrevSimpleMode, -1);
    const int simple = SimpleModeOn() ? 1 : 0;
    if (previous != simple) {
        ApplySimpleMode();
        App().WriteProfileInt(section, kPrevSimpleMode, simple);
    }
    m_toolBarLock = App().GetProfileIntA(section, "ToolBarLock", m_toolBarLock);
    GetCommandBars()->EnableCustomization(m_toolBarLock == 0);
    if (m_rig->m_wizard_requested) {
        ApplySimpleMode();
    }

    const bool trunkCommands = m_rig->m_radio && (m_rig->m_radio->caps3() & Radio::kTrunkCommands);
    ShowButtons(*m_scanToolBar, kTrunkCommandButtons, trunkCommands);
    ShowButtons(*m_scanToolBar, kAudioButtons, !App().IsAudioLoggingUnavailable());
    const int saveAs[] = {kSaveAsButton};
    ShowButtons(*m_scanToolBar, saveAs, m_viewType == 1);
    Refresh(*m_scanToolBar);
}

LRESULT CRadioFrame::ApplySimpleMode(WPARAM, LPARAM) {
    // Windows without the bar have nothing to hide.
    if (!m_scanToolBar) {
        return 0;
    }
    const BOOL simple = SimpleModeOn() ? TRUE : FALSE;
    for (const int id : kSimpleModeButtons) {
        if (CXTPControl* button = m_scanToolBar->FindControl(id)) {
            button->SetHideFlag(xtpHideCustomize, simple);
        }
    }
    Refresh(*m_scanToolBar);
    if (m_rig) {
        m_rig->m_wizard_requested = 0;
    }
    return 0;
}
