#include "platform/afx/res/DialogTemplate.h"

#include "platform/win/Windows.h"

namespace hb::afx {

DialogControl FormControl(UINT id, const char* className, const char* text, DWORD style, RECT box) {
    return {.id = id,
            .className = className,
            .text = text,
            .style = WS_CHILD | WS_VISIBLE | style,
            .x = static_cast<int>(box.left),
            .y = static_cast<int>(box.top),
            .cx = static_cast<int>(box.right),
            .cy = static_cast<int>(box.bottom)};
}

RECT DluToPixels(const RECT& dlu) {
    return {dlu.left * 6 / 4, dlu.top * 13 / 8, dlu.right * 6 / 4, dlu.bottom * 13 / 8};
}

} // namespace hb::afx
