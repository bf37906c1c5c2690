// Tooltips of the panel: the V buttons describe their VFO, every other control its own string.
#include "platform/records/ModeNames.h"
#include "platform/tessary/model/Format.h"
#include "platform/win/controls/ControlMessages.h"
#include "radioview/RadioView.h"
#include "resources/ResourceIds.h"

#include <string>

namespace {

bool IsBankButton(int id) {
    return id >= static_cast<int>(IDC_BANK_1) && id <= static_cast<int>(IDC_BANK_20);
}

} // namespace

INT_PTR CRadioView::OnToolHitTest(CPoint point, TOOLINFO* pTI) const {
    return CWnd::OnToolHitTest(point, pTI);
}

void CRadioView::RegisterToolTips() {
    if (!m_toolTip.Create(this)) {
        return;
    }
    for (CXTPButton& button : m_vfoButtons) {
        if (button.m_hWnd) {
            m_toolTip.AddTool(&button);
        }
    }
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (IsBankButton(::GetDlgCtrlID(child))) {
            m_toolTip.AddTool(CWnd::FromHandle(child));
        }
    }
}

CString CRadioView::VfoToolTip(int n) const {
    const parm& record = m_vfo[n];
    const std::string name = record.text(parm::kName);
    CString text;
    text.Format("VFO %d,%s, %s, %-.16s, right-click to copy into.", n,
                format_freq_vhf(record.get(parm::kFrequency)).c_str(),
                std::string(hb::records::ModeName(record.get(parm::kMode))).c_str(), name.c_str());
    return text;
}

BOOL CRadioView::OnToolTipNotify(UINT, NMHDR* pNMHDR, LRESULT* pResult) {
    auto* info = reinterpret_cast<TOOLTIPTEXTA*>(pNMHDR);
    HWND control = hb::win::HwndFromParam(pNMHDR->idFrom);
    if (!(info->uFlags & TTF_IDISHWND)) {
        control = ::GetDlgItem(m_hWnd, static_cast<int>(pNMHDR->idFrom));
    }
    m_toolTipText.Empty();
    for (int n = 0; n < kVfoButtonCount; ++n) {
        if (control && m_vfoButtons[n].m_hWnd == control) {
            m_toolTipText = VfoToolTip(n + 1);
        }
    }
    if (m_toolTipText.IsEmpty() && control) {
        m_toolTipText.LoadString(static_cast<UINT>(::GetDlgCtrlID(control)));
        // A control that shares its id with a command has the command's "prompt\ntip" string.
        if (const int newline = m_toolTipText.Find('\n'); newline >= 0) {
            m_toolTipText = m_toolTipText.Mid(newline + 1);
        }
    }
    info->lpszText = const_cast<LPSTR>(static_cast<LPCSTR>(m_toolTipText));
    *pResult = 0;
    return TRUE;
}
