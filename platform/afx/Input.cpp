#include "platform/afx/Input.h"

#include "platform/afx/CWnd.h"

namespace hb::afx {

namespace {

// As the message loop of a modal dialog handles a message taken from the queue.
bool Deliver(MSG msg) {
    if (CWnd::WalkPreTranslateTree(::GetAncestor(msg.hwnd, GA_ROOT), &msg)) {
        return true;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessage(&msg);
    return false;
}

} // namespace

bool PressKey(HWND target, UINT vk) {
    return Deliver({target, WM_KEYDOWN, vk, 1, GetTickCount(), {}});
}

bool MoveMouse(HWND target, int x, int y) {
    return Deliver({target,
                    WM_MOUSEMOVE,
                    0,
                    MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)),
                    GetTickCount(),
                    {}});
}

bool ClickButton(HWND parent, int id) {
    const HWND button = ::GetDlgItem(parent, id);
    if (!button || !::IsWindowEnabled(button)) {
        return false;
    }
    ::SendMessage(parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED),
                  hb::win::ParamFromHwnd(button));
    return true;
}

} // namespace hb::afx
