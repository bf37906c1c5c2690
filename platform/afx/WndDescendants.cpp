#include "platform/afx/CWnd.h"

#include <vector>

namespace {

CWnd* ObjectOf(HWND hwnd, BOOL bOnlyPerm) {
    return bOnlyPerm ? CWnd::FromHandlePermanent(hwnd) : CWnd::FromHandle(hwnd);
}

CWnd* FindDescendant(HWND parent, int id, BOOL bOnlyPerm) {
    if (const HWND match = ::GetDlgItem(parent, id)) {
        if (CWnd* inner = FindDescendant(match, id, bOnlyPerm)) {
            return inner;
        }
        if (CWnd* wnd = ObjectOf(match, bOnlyPerm)) {
            return wnd;
        }
    }
    for (HWND child = ::GetWindow(parent, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (CWnd* wnd = FindDescendant(child, id, bOnlyPerm)) {
            return wnd;
        }
    }
    return nullptr;
}

void SendToChildren(HWND parent, UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep,
                    BOOL bOnlyPerm) {
    // A handler may destroy windows: the children are taken first and checked as they come.
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(parent, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    for (HWND child : children) {
        if (!::IsWindow(child)) {
            continue;
        }
        if (!bOnlyPerm || CWnd::FromHandlePermanent(child)) {
            ::SendMessage(child, message, wParam, lParam);
        }
        if (bDeep && ::IsWindow(child)) {
            SendToChildren(child, message, wParam, lParam, bDeep, bOnlyPerm);
        }
    }
}

} // namespace

CWnd* CWnd::GetDescendantWindow(int nID, BOOL bOnlyPerm) const {
    return m_hWnd ? FindDescendant(m_hWnd, nID, bOnlyPerm) : nullptr;
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep,
                                    BOOL bOnlyPerm) const {
    if (m_hWnd) {
        SendToChildren(m_hWnd, message, wParam, lParam, bDeep, bOnlyPerm);
    }
}
