#include "platform/afx/res/TemplateControls.h"

#include "platform/win/core/Window.h"

namespace hb::afx {

bool CreateTemplateControls(HWND parent, const DialogTemplate& dialog) {
    for (const DialogControl& control : dialog.controls) {
        const RECT r =
            DluToPixels({control.x, control.y, control.x + control.cx, control.y + control.cy});
        if (!::CreateWindowEx(control.exStyle, control.className.c_str(), control.text.c_str(),
                              control.style | WS_CHILD, r.left, r.top, r.right - r.left,
                              r.bottom - r.top, parent, control.id, nullptr)) {
            return false;
        }
    }
    return true;
}

} // namespace hb::afx
