#include "platform/afx/Input.h"

#include "platform/afx/CWinApp.h"
#include "platform/afx/CWnd.h"

#include <utility>

namespace hb::afx {

bool PressKey(HWND target, UINT vk, UINT modifiers) {
    const std::pair<UINT, UINT> keys[] = {
        {FSHIFT, VK_SHIFT}, {FCONTROL, VK_CONTROL}, {FALT, VK_MENU}};
    for (const auto& [flag, key] : keys) {
        if (modifiers & flag) {
            hb::win::SetKeyDown(key, true);
        }
    }
    MSG msg{target, (modifiers & FALT) ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, 1, GetTickCount(), {}};
    const HWND root = ::GetAncestor(target, GA_ROOT);
    CWinApp* app = AfxGetApp();
    const CWnd* main = AfxGetMainWnd();
    const bool consumed = app && main && main->m_hWnd == root
                              ? app->PreTranslateMessage(&msg) != FALSE
                              : CWnd::WalkPreTranslateTree(root, &msg) != FALSE;
    if (!consumed) {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
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

} // namespace hb::afx
