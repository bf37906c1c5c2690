// A frame's message pane: command prompts while the pointer is over a menu item or a button.
#include "platform/afx/CFrameWnd.h"
#include "platform/afx/res/StringLookup.h"
#include "platform/win/menu/Menus.h"

#include <string>
#include <utility>

namespace {

// WM_MENUSELECT's flags when the menu closes.
constexpr UINT kMenuClosed = 0xFFFF;

} // namespace

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const {
    const std::string text = hb::afx::LoadResourceString(nID).value_or("");
    rMessage = text.substr(0, text.find('\n')).c_str();
}

CWnd* CFrameWnd::GetMessageBar() {
    return GetDlgItem(static_cast<int>(AFX_IDW_STATUS_BAR));
}

void CFrameWnd::SetMessageText(LPCSTR lpszText) {
    SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(lpszText));
}

void CFrameWnd::SetMessageText(UINT nID) {
    SendMessage(WM_SETMESSAGESTRING, nID, 0);
}

LRESULT CFrameWnd::HandleSetMessageString(WPARAM wParam, LPARAM lParam) {
    CWnd* bar = GetMessageBar();
    if (!bar) {
        // A child frame's prompts show in the frame that holds it.
        CFrameWnd* parent = GetParentFrame();
        return parent ? parent->SendMessage(WM_SETMESSAGESTRING, wParam, lParam) : 0;
    }
    const auto id = static_cast<UINT>(wParam);
    CString text;
    if (id == 0) {
        text = lParam ? reinterpret_cast<LPCSTR>(lParam) : "";
    } else {
        GetMessageString(id, text);
        if (text.IsEmpty() && id != AFX_IDS_IDLEMESSAGE) {
            GetMessageString(AFX_IDS_IDLEMESSAGE, text);
        }
    }
    bar->SetWindowText(text);
    return static_cast<LRESULT>(std::exchange(m_nIDLastMessage, id));
}

LRESULT CFrameWnd::HandleMenuSelect(WPARAM wParam, LPARAM lParam) {
    const UINT item = LOWORD(wParam);
    const UINT flags = HIWORD(wParam);
    const bool closed = flags == kMenuClosed && lParam == 0;
    // A popup or separator has no prompt of its own.
    const bool command = !closed && !(flags & (MF_POPUP | MF_SEPARATOR)) && item != 0;
    SetMessageText(command ? item : AFX_IDS_IDLEMESSAGE);
    return 0;
}
