#include "radioview/MiniStatusWnd.h"

#include "app/radiowindow/RadioFrame.h"
#include "app/rig/Rig.h"
#include "platform/afx/CDC.h"
#include "platform/afx/CMDIFrameWnd.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/model/Radio.h"
#include "resources/ResourceIds.h"

IMPLEMENT_DYNAMIC(CMiniStatusWnd, CMiniFrameWnd)

BEGIN_MESSAGE_MAP(CMiniStatusWnd, CMiniFrameWnd)
ON_WM_DESTROY()
ON_WM_SYSCOMMAND()
ON_WM_ERASEBKGND()
ON_COMMAND_RANGE(ID_RADIO_LOCK_OUT_ID, ID_RADIO_HOLD_ID, &CMiniStatusWnd::OnRadioCommand)
ON_COMMAND_RANGE(ID_RADIO_LOCK_OUT, ID_RADIO_TEMP_LOCK_OUT, &CMiniStatusWnd::OnRadioCommand)
ON_COMMAND_RANGE(ID_RADIO_STOP, ID_RADIO_START, &CMiniStatusWnd::OnRadioCommand)
END_MESSAGE_MAP()

namespace {

constexpr DWORD kWindowStyle = 0x00C80500;
constexpr DWORD kPanelStyle = 0x50002830;
// Below the caption the frame takes this much more than its panel.
constexpr int kFrameExtraHeight = 12;

CScanApp& App() {
    return *CScanApp::GetScanApp();
}

} // namespace

CMiniStatusWnd::CMiniStatusWnd(CRadioFrame* radioFrame, CString radioName)
    : frame(radioFrame), section(radioName + "_MiniStatusWindow") {
    const int left = App().GetProfileIntA(section, "Left", kDefaultLeft);
    const int top = App().GetProfileIntA(section, "Top", kDefaultTop);
    // No owner: the window stays over the others by being topmost.
    if (!Create(nullptr, "Halbridge Pro", kWindowStyle, CRect(10, 10, 20, 20), nullptr, 0)) {
        return;
    }
    const CSize size = panel.m_sizeDefault;
    SetWindowPos(&wndTopMost, left, top, size.cx + 2 * ::GetSystemMetrics(SM_CXFRAME),
                 size.cy + ::GetSystemMetrics(SM_CYCAPTION) + kFrameExtraHeight, SWP_SHOWWINDOW);
    EnableWindow(TRUE);
}

UINT CMiniStatusWnd::TemplateFor(const CRig* rig) {
    const Radio* radio = rig ? rig->m_radio : nullptr;
    if (radio && (radio->caps3() & Radio::kTrunkCommands)) {
        return rig->m_trunk ? IDD_MINI_STATUS_TRUNK_2 : IDD_MINI_STATUS_TRUNK;
    }
    return radio && (radio->features() & Radio::kFeatureHf) ? IDD_MINI_STATUS_HF : IDD_MINI_STATUS;
}

BOOL CMiniStatusWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) {
    panel.frame = frame;
    panel.Create(this, TemplateFor(frame ? frame->m_rig : nullptr), kPanelStyle);
    return CMiniFrameWnd::OnCreateClient(lpcs, pContext);
}

void CMiniStatusWnd::SetStatus(CString text, const BYTE* engineStatus, BYTE* deviceStatus,
                               CRig* rig, BYTE audioState) {
    m_statusLine = text;
    if (rig) {
        SetWindowText(rig->GetNameString());
    }
    panel.UpdateStatus(text, engineStatus, deviceStatus, rig, audioState);
}

void CMiniStatusWnd::OnRadioCommand(UINT id) {
    if (frame && frame->GetSafeHwnd()) {
        const UINT sent = id == ID_RADIO_HOLD_ID ? ID_RADIO_ID_SETTING : id;
        frame->SendMessage(WM_COMMAND, sent, hb::win::ParamFromHwnd(m_hWnd));
    }
}

void CMiniStatusWnd::OnDestroy() {
    CRect rect;
    GetWindowRect(&rect);
    App().WriteProfileInt(section, "Left", rect.left);
    App().WriteProfileInt(section, "Width", rect.Width());
    App().WriteProfileInt(section, "Top", rect.top);
    App().WriteProfileInt(section, "Height", rect.Height());
    if (frame && frame->m_miniStatus == this) {
        frame->m_miniStatus = nullptr;
    }
    if (panel.GetSafeHwnd()) {
        panel.DestroyWindow();
    }
    CMiniFrameWnd::OnDestroy();
}

void CMiniStatusWnd::ActivateRadioWindow() {
    auto* main = dynamic_cast<CMDIFrameWnd*>(AfxGetMainWnd());
    if (main && frame && frame->GetSafeHwnd()) {
        main->MDIActivate(frame);
    }
}

void CMiniStatusWnd::OnSysCommand(UINT nID, LPARAM lParam) {
    switch (nID & 0xFFF0) {
    case SC_MINIMIZE:
    case SC_MAXIMIZE:
    case SC_RESTORE:
        ActivateRadioWindow();
        return;
    case SC_MOVE:
        ActivateRadioWindow();
        break;
    default:
        break;
    }
    CMiniFrameWnd::OnSysCommand(nID, lParam);
}

BOOL CMiniStatusWnd::OnEraseBkgnd(CDC* pDC) {
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_MENU));
    return TRUE;
}
