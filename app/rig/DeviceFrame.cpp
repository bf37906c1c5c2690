#include "app/rig/DeviceFrame.h"

#include "app/rig/Rig.h"
#include "platform/afx/CView.h"
#include "platform/records/EngineCommands.h"
#include "platform/records/EngineStates.h"
#include "platform/records/EngineStatus.h"
#include "platform/records/PrivateMessages.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/audio/AudioLog.h"
#include "platform/win/core/Scheduler.h"

#include <memory>

IMPLEMENT_DYNCREATE(CDeviceFrame, CGenericFrame)

BEGIN_MESSAGE_MAP(CDeviceFrame, CGenericFrame)
ON_WM_DESTROY()
ON_WM_MDIACTIVATE()
END_MESSAGE_MAP()

namespace {

// The engine is watched with passes counted down from here to 0.
constexpr int kFirstPass = 21;
// Below this count a stopped engine ends the watch.
constexpr int kSettlePasses = 10;
constexpr DWORD kPassMs = 10;

} // namespace

CDeviceFrame::~CDeviceFrame() {
    CScanApp::Trace(__FILE__, __LINE__);
}

BOOL CDeviceFrame::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) {
    SetTimer(kTimerId, kTimerMs);
    return CGenericFrame::OnCreateClient(lpcs, pContext);
}

void CDeviceFrame::OnDestroy() {
    CScanApp::Trace(__FILE__, __LINE__);
    KillTimer(kTimerId);
    CScanApp::Trace(__FILE__, __LINE__);
    if (m_rig) {
        m_rig->DetachView(this);
        m_rig = nullptr;
    }
    CScanApp::Trace(__FILE__, __LINE__);
    if (m_rig2) {
        m_rig2->DetachView(this);
        m_rig2 = nullptr;
    }
    CScanApp::Trace(__FILE__, __LINE__);
    CGenericFrame::OnDestroy();
}

void CDeviceFrame::OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd) {
    CGenericFrame::OnMDIActivate(bActivate, pActivateWnd, pDeactivateWnd);
    CAudioLog* log = m_rig ? m_rig->GetAudioLog() : nullptr;
    const CScanApp* app = CScanApp::GetScanApp();
    if (log && app && app->m_muteInactive) {
        log->Mute(bActivate ? 0 : 1);
    }
}

void CDeviceFrame::StopDevices() {
    for (CRig* rig : {m_rig, m_rig2}) {
        if (rig && rig->IsEngineOpenFor(this)) {
            StopEngine(*rig);
        }
    }
}

void CDeviceFrame::StopEngine(CRig& rig) {
    const auto stop = EngineCommandRecord::Make(hb::records::kEngineCmdStop);
    rig.EngineCommand(&stop);
    const auto start = EngineCommandRecord::Make(hb::records::kEngineCmdStart);
    rig.EngineCommand(&start);

    // By handle: the view's records are drained through its own handlers, which may close it.
    const CView* view = GetActiveView();
    const HWND viewHwnd = view ? view->GetSafeHwnd() : HWND{};
    const auto status = std::make_unique<hb::records::EngineStatus>();
    for (int pass = kFirstPass; pass >= 0; --pass) {
        Sleep(kPassMs);
        if (viewHwnd) {
            ::SendMessage(viewHwnd, WM_RADIO_DTMF, 0, 0);
            ::SendMessage(viewHwnd, WM_RADIO_HISTORY, 0, 0);
        }
        // A failed read leaves the buffer as it was: it says nothing about this pass.
        const bool stopped =
            rig.EngineStatus(status->data()) == 0 &&
            status->get(hb::records::EngineStatus::kState) == hb::records::kEngineStopped;
        if (stopped && pass < kSettlePasses) {
            break;
        }
    }
}
