// Closing a radio window: what it keeps for the next window of the radio and what it gives back
// to the rig.
#include "app/radiowindow/RadioFrame.h"
#include "app/radiowindow/WaitCursor.h"
#include "app/rig/Rig.h"
#include "audio/AudioLogClient.h"
#include "platform/records/EngineStatus.h"
#include "platform/tessary/app/RosterDoc.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/model/Roster.h"
#include "platform/toolkit/CXTPCommandBars.h"
#include "platform/win/core/Hooks.h"
#include "radioview/ChannelRack.h"
#include "radioview/RadioView.h"

#include <memory>

namespace {

CScanApp& App() {
    return *CScanApp::GetScanApp();
}

} // namespace

void CRadioFrame::SaveScanBar() {
    if (m_rig && m_scanToolBar) {
        SaveCommandBars(m_rig->m_section);
    }
}

void CRadioFrame::OnClose() {
    if (!m_toolBarLock) {
        SaveScanBar();
    }
    CCommandBarsChildFrame::OnClose();
}

void CRadioFrame::OnDestroy() {
    WaitCursor wait;
    m_closing = 0xFF;
    KillTimer(kTimerId);
    // A window that was never built to its end keeps the stored choices as they were.
    if (m_rig && m_created) {
        App().WriteProfileInt(m_rig->m_section, "ActiveView", m_tabs.GetActiveIndex());
        App().WriteProfileInt(m_rig->m_section, "MiniStatus", m_miniStatus ? 1 : 0);
    }
    if (CAudioLog* log = m_rig ? m_rig->GetAudioLog() : nullptr) {
        static_cast<CAudioLogClient*>(log)->Reset();
        log->Disable();
    }
    if (CRosterDoc* doc =
            m_frontPanel ? DYNAMIC_DOWNCAST(CRosterDoc, m_frontPanel->GetDocument()) : nullptr) {
        if (Roster* roster = doc->GetRoster()) {
            const auto status = std::make_unique<hb::records::EngineStatus>();
            if (m_rig && m_rig->IsEngineOpenFor(this) && m_rig->EngineStatus(status->data()) == 0) {
                roster->UnloadMaps(status->get(hb::records::EngineStatus::kProgramId));
            }
            roster->Unload();
        }
    }
    if (::IsWindow(m_tabs.GetSafeHwnd())) {
        for (int index = m_tabs.GetItemCount() - 1; index >= 0; --index) {
            m_tabs.RemoveView(index, TRUE);
        }
    }
    m_activityLog.Stop();
    SaveScanBar();
    if (m_miniStatus) {
        m_miniStatus->DestroyWindow();
        m_miniStatus = nullptr;
    }
    if (m_tonePanel) {
        m_tonePanel->DestroyWindow();
        delete m_tonePanel;
        m_tonePanel = nullptr;
    }
    if (m_scanToolBar) {
        GetCommandBars()->RemoveAll();
        m_scanToolBar = nullptr;
    }
    CCommandBarsChildFrame::OnDestroy();
}
