#include "platform/afx/CWnd.h"

namespace {

bool IsMouseMessage(UINT message) {
    return message >= WM_MOUSEFIRST && message <= WM_MBUTTONDBLCLK;
}

bool SameTool(const TOOLINFO& a, const TOOLINFO& b) {
    return a.hwnd == b.hwnd && a.uId == b.uId;
}

// The window a tool's mouse messages belong to.
HWND ToolWindow(const TOOLINFO& tool) {
    return (tool.uFlags & TTF_IDISHWND) ? hb::win::HwndFromParam(tool.uId) : tool.hwnd;
}

} // namespace

BOOL CWnd::EnableToolTips(BOOL bEnable) {
    if (!m_hWnd) {
        return FALSE;
    }
    if (!bEnable) {
        if (::IsWindow(m_hWndToolTip)) {
            ::DestroyWindow(m_hWndToolTip);
        }
        m_hWndToolTip = {};
        m_lastTool = TOOLINFO{};
        return TRUE;
    }
    if (!::IsWindow(m_hWndToolTip)) {
        m_lastTool = TOOLINFO{};
        m_hWndToolTip = ::CreateWindowEx(WS_EX_TOPMOST, TOOLTIPS_CLASS, nullptr,
                                         WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, m_hWnd, 0, nullptr);
    }
    return m_hWndToolTip ? TRUE : FALSE;
}

void CWnd::CancelToolTips() {
    if (::IsWindow(m_hWndToolTip)) {
        ::SendMessage(m_hWndToolTip, TTM_POP, 0, 0);
    }
}

INT_PTR CWnd::OnToolHitTest(CPoint point, TOOLINFO* pTI) const {
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        CRect area;
        ::GetWindowRect(child, &area);
        ScreenToClient(&area);
        if (!::IsWindowVisible(child) || !area.PtInRect(point)) {
            continue;
        }
        if (pTI) {
            pTI->hwnd = m_hWnd;
            pTI->uId = static_cast<UINT_PTR>(child.id());
            pTI->uFlags |= TTF_IDISHWND;
            pTI->lpszText = LPSTR_TEXTCALLBACK;
        }
        return ::GetDlgCtrlID(child);
    }
    return -1;
}

// Keeps the tooltip's one tool the one under the mouse, then relays the message as that tool's
// window (or, off every tool, this window) received it.
void CWnd::FilterToolTipMessage(const MSG& msg) {
    if (!::IsWindow(m_hWndToolTip) || !IsMouseMessage(msg.message) ||
        (msg.hwnd != m_hWnd && !::IsChild(m_hWnd, msg.hwnd))) {
        return;
    }
    POINT point{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
    ::MapWindowPoints(msg.hwnd, m_hWnd, &point, 1);
    TOOLINFO tool;
    const bool hit = OnToolHitTest(point, &tool) != -1;
    if (!hit || !SameTool(tool, m_lastTool)) {
        if (m_lastTool.hwnd || m_lastTool.uId) {
            ::SendMessage(m_hWndToolTip, TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&m_lastTool));
            m_lastTool = TOOLINFO{};
        }
        if (hit && ::SendMessage(m_hWndToolTip, TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&tool))) {
            m_lastTool = tool;
            m_lastTool.lpszText = nullptr;
        }
    }
    MSG relay = msg;
    relay.hwnd = hit ? ToolWindow(tool) : m_hWnd;
    ::MapWindowPoints(m_hWnd, relay.hwnd, &point, 1);
    relay.lParam = MAKELPARAM(static_cast<WORD>(point.x), static_cast<WORD>(point.y));
    ::SendMessage(m_hWndToolTip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relay));
}
