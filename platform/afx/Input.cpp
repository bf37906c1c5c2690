#include "platform/afx/Input.h"

#include "platform/afx/CWinApp.h"
#include "platform/afx/CWnd.h"

#include <utility>

namespace hb::afx {

namespace {

// As the message loop handles a message taken from the queue: the application's pre-translation
// when the target lies in the main window, else the window tree's; then the window itself.
bool Deliver(MSG msg) {
    const HWND root = ::GetAncestor(msg.hwnd, GA_ROOT);
    CWinApp* app = AfxGetApp();
    const CWnd* main = AfxGetMainWnd();
    const bool consumed = app && main && main->m_hWnd == root
                              ? app->PreTranslateMessage(&msg) != FALSE
                              : CWnd::WalkPreTranslateTree(root, &msg) != FALSE;
    if (!consumed) {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
    return consumed;
}

} // namespace

bool PressKey(HWND target, UINT vk, UINT modifiers) {
    const std::pair<UINT, UINT> keys[] = {
        {FSHIFT, VK_SHIFT}, {FCONTROL, VK_CONTROL}, {FALT, VK_MENU}};
    for (const auto& [flag, key] : keys) {
        if (modifiers & flag) {
            hb::win::SetKeyDown(key, true);
        }
    }
    const bool consumed = Deliver(
        {target, (modifiers & FALT) ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, 1, GetTickCount(), {}});
    for (const auto& [flag, key] : keys) {
        if (modifiers & flag) {
            hb::win::SetKeyDown(key, false);
        }
    }
    return consumed;
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

bool MoveMouse(HWND target, int x, int y) {
    return Deliver({target,
                    WM_MOUSEMOVE,
                    0,
                    MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)),
                    GetTickCount(),
                    {}});
}

} // namespace hb::afx
