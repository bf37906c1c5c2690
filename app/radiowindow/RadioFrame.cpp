#include "app/radiowindow/RadioFrame.h"

#include "app/rig/Rig.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/model/Radio.h"
#include "platform/win/core/Hooks.h"
#include "platform/win/core/MessageBox.h"
#include "platform/win/sys/Paths.h"
#include "radioview/RadioView.h"

IMPLEMENT_DYNCREATE(CRadioFrame, CCommandBarsChildFrame)

namespace {

constexpr LPCSTR kSource = "RadioFrame";
constexpr UINT kRadioControl = 27019;
// The engine's message for a radio that cannot be controlled from its window.
constexpr std::uint32_t kMessageNoRadioControl = 10;

} // namespace

bool CRadioFrame::ChooseRigs() {
    m_rig = CRig::s_selection[0];
    m_rig2 = CRig::s_selection[1];
    if (m_rig && m_rig->IsOpen()) {
        m_rig = nullptr;
        m_rig2 = nullptr;
    }
    if (m_rig) {
        return true;
    }
    const std::string path = CScanApp::GetScanApp()->GetPathName().str();
    if (hb::win::PathHasExtension(path, ".sws")) {
        m_rig = CRig::FindByName(hb::win::PathStem(path).c_str());
    }
    if (!m_rig && CRig::SelectRig("Radio Control", 0, 0)) {
        m_rig = CRig::s_selection[0];
        m_rig2 = CRig::s_selection[1];
    }
    return m_rig != nullptr;
}

BOOL CRadioFrame::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) {
    CScanApp::Trace(kSource, __LINE__);
    if (!ChooseRigs()) {
        return FALSE;
    }
    CScanApp::Trace(kSource, __LINE__);
    if (!m_rig->m_radio || !(m_rig->m_radio->features() & Radio::kFeatureControl)) {
        MessageBeep(MB_ICONASTERISK);
        scan_message(HWND{}, kMessageNoRadioControl);
        return FALSE;
    }
    m_rig->m_opener = kRadioControl;
    if (m_rig2) {
        m_rig2->m_opener = kRadioControl;
    }
    CScanApp::Trace(kSource, __LINE__);
    if (!CCommandBarsChildFrame::OnCreateClient(lpcs, pContext)) {
        return FALSE;
    }
    auto* view = DYNAMIC_DOWNCAST(CRadioView, GetDlgItem(AFX_IDW_PANE_FIRST));
    if (!view) {
        return FALSE;
    }
    view->m_rig = m_rig;
    CScanApp::Trace(kSource, __LINE__);
    return m_rig->AttachView(CRig::kCommandScanListFiles, this) == 0 &&
           (!m_rig2 || m_rig2->AttachView(CRig::kCommandScanListFiles, this) == 0);
}
