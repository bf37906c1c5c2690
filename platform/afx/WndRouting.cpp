#include "platform/afx/CWnd.h"

#include <cstdint>
#include <optional>

namespace {

// Runs the first entry of the target's maps for `message` (a window message, or a reflected
// one); false when there is none.
bool DispatchToEntry(CWnd& target, UINT entryMessage, std::optional<UINT> code, UINT message,
                     WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return hb::afx::ForEachEntry(target, [&](const hb::afx::MessageMapEntry& entry) {
        if (entry.message != entryMessage || (code && entry.code != *code)) {
            return false;
        }
        hb::afx::MsgCall call;
        call.message = message;
        call.wParam = wParam;
        call.lParam = lParam;
        // The handler may destroy the window and with it the target: only the call is used after.
        entry.thunk(target, call);
        result = call.result;
        return true;
    });
}

// The object of a control that sent its parent a notification, when it has one of its own.
CWnd* NotifyingControl(HWND control, const CWnd& parent) {
    CWnd* wnd = CWnd::FromHandlePermanent(control);
    return wnd != &parent ? wnd : nullptr;
}

bool IsCtlColor(UINT message) {
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

} // namespace

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    LRESULT result = 0;
    BOOL handled = FALSE;
    if (message == WM_COMMAND) {
        handled = OnCommand(wParam, lParam);
        result = handled;
    } else if (message == WM_NOTIFY) {
        handled = OnNotify(wParam, lParam, &result);
    } else if (CWnd* control =
                   IsCtlColor(message)
                       ? NotifyingControl(
                             hb::win::HwndFromParam(static_cast<std::uintptr_t>(lParam)), *this)
                       : nullptr;
               control && control->OnChildNotify(message, wParam, lParam, &result)) {
        // The control chose its own colours; the parent's OnCtlColor is not asked.
        handled = TRUE;
    } else {
        handled = DispatchToEntry(*this, message, std::nullopt, message, wParam, lParam, result);
    }
    if (handled && pResult) {
        *pResult = result;
    }
    return handled;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    const HWND control = hb::win::HwndFromParam(static_cast<WPARAM>(lParam));
    int code = static_cast<int>(HIWORD(wParam));
    if (!control) {
        // Menus and accelerators.
        code = CN_COMMAND;
    } else if (CWnd* wnd = NotifyingControl(control, *this)) {
        LRESULT ignored = 0;
        if (wnd->OnChildNotify(WM_COMMAND, wParam, lParam, &ignored)) {
            return TRUE;
        }
    }
    return OnCmdMsg(LOWORD(wParam), code, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (!header) {
        return FALSE;
    }
    const HWND control = header->hwndFrom;
    if (CWnd* wnd = NotifyingControl(control, *this);
        wnd && wnd->OnChildNotify(WM_NOTIFY, wParam, lParam, pResult)) {
        return TRUE;
    }
    const UINT id =
        control ? static_cast<UINT>(::GetDlgCtrlID(control)) : static_cast<UINT>(header->idFrom);
    AFX_NOTIFY notify{pResult, header};
    return OnCmdMsg(id, static_cast<int>(MAKELONG(LOWORD(header->code), WM_NOTIFY)), &notify,
                    nullptr);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    UINT code = 0;
    if (message == WM_COMMAND) {
        code = HIWORD(wParam);
    } else if (message == WM_NOTIFY && lParam) {
        code = reinterpret_cast<const NMHDR*>(lParam)->code;
    } else if (!IsCtlColor(message)) {
        return FALSE;
    }
    LRESULT result = 0;
    if (!DispatchToEntry(*this, hb::afx::kReflectBase + message, code, message, wParam, lParam,
                         result)) {
        return FALSE;
    }
    if (IsCtlColor(message) && result == 0) {
        // No brush of its own: the parent answers.
        return FALSE;
    }
    if (pResult) {
        *pResult = result;
    }
    return TRUE;
}

BOOL CWnd::PreTranslateMessage(MSG* pMsg) {
    if (pMsg) {
        FilterToolTipMessage(*pMsg);
    }
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg) {
    for (HWND hwnd = pMsg->hwnd; hwnd; hwnd = ::GetParent(hwnd)) {
        CWnd* wnd = FromHandlePermanent(hwnd);
        if (wnd && wnd->PreTranslateMessage(pMsg)) {
            return TRUE;
        }
        if (hwnd == hWndStop) {
            break;
        }
    }
    return FALSE;
}
