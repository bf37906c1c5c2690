#include "platform/afx/Input.h"

#include "platform/afx/CWnd.h"

namespace hb::afx {

bool PressKey(HWND target, UINT vk) {
    MSG msg{target, WM_KEYDOWN, vk, 1, GetTickCount(), {}};
    if (CWnd::WalkPreTranslateTree(::GetAncestor(target, GA_ROOT), &msg)) {
        return true;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessage(&msg);
    return false;
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
