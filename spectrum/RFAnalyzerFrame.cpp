#include "spectrum/RFAnalyzerFrame.h"

#include "app/rig/Rig.h"
#include "audio/AudioRack.h"
#include "platform/records/PrivateMessages.h"
#include "spectrum/SweepView.h"

IMPLEMENT_DYNCREATE(CRFAnalyzerFrame, CMDIChildFrame)

BEGIN_MESSAGE_MAP(CRFAnalyzerFrame, CMDIChildFrame)
ON_WM_SIZE()
ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

constexpr DWORD kDockAnySide = 0xF000;

} // namespace

CRFAnalyzerFrame::~CRFAnalyzerFrame() {
    delete m_rack;
}

BOOL CRFAnalyzerFrame::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) {
    const BOOL created = CMDIChildFrame::OnCreateClient(lpcs, pContext);
    EnableDocking(kDockAnySide);
    return created;
}

void CRFAnalyzerFrame::CreateAudioRack() {
    CRig* rig = CRig::FindByOwner(this);
    if (rig == nullptr) {
        return;
    }
    const CString section = rig->m_section + "_" + "AudioRecorder";
    const CString name = rig->GetNameString();
    m_rack = new CAudioRack(section, name);
    m_rack->Create(this, kRackId, kRackStyle);
    m_rack->EnableDocking(kRackDocking);
    if (m_rack->m_label.GetSafeHwnd() != HWND{}) {
        m_rack->m_label.SetCaption(rig->m_section);
    }
    m_rack->DSPRole(1);
    DockControlBar(m_rack);
    m_rack->m_rig = rig;
    rig->AttachAudioLog(this, m_rack);
    RecalcLayout();
}

BOOL CRFAnalyzerFrame::OnCommand(WPARAM wParam, LPARAM lParam) {
    switch (LOWORD(wParam)) {
    case CSweepView::kCommandPause:
        OnStop();
        return TRUE;
    case CSweepView::kCommandStart:
        OnStart();
        return TRUE;
    default:
        return CMDIChildFrame::OnCommand(wParam, lParam);
    }
}

void CRFAnalyzerFrame::OnSize(UINT nType, int cx, int cy) {
    CMDIChildFrame::OnSize(nType, cx, cy);
}

void CRFAnalyzerFrame::OnStop() {
    CView* view = GetActiveView();
    if (view == nullptr) {
        return;
    }
    const LRESULT answer = view->SendMessage(WM_QUERY_RUN_COMMAND, CSweepView::kCommandPause,
                                             CSweepView::kCommandStart);
    m_restart = answer == CSweepView::kCommandStart ? 1 : 0;
    view->SendMessage(WM_COMMAND, CSweepView::kCommandPause, 0);
}

void CRFAnalyzerFrame::OnStart() {
    if (m_restart == 0) {
        return;
    }
    m_restart = 0;
    if (CView* view = GetActiveView()) {
        view->SendMessage(WM_COMMAND, CSweepView::kCommandStart, 0);
    }
}

void CRFAnalyzerFrame::OnDestroy() {
    if (CRig* rig = CRig::FindByOwner(this)) {
        if (m_rack != nullptr) {
            m_rack->Reset();
            m_rack->Disable();
            CRig::DetachAudioLog(m_rack);
        }
        rig->DetachView(this, 1);
    }
    CMDIChildFrame::OnDestroy();
}
