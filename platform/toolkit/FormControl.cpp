#include "platform/toolkit/FormControl.h"

#include "platform/win/Windows.h"

namespace hb::toolkit::detail {

hb::afx::DialogControl FormControl(UINT id, const char* className, const char* text, DWORD style,
                                   RECT box) {
    return {.id = id,
            .className = className,
            .text = text,
            .style = WS_CHILD | WS_VISIBLE | style,
            .x = static_cast<int>(box.left),
            .y = static_cast<int>(box.top),
            .cx = static_cast<int>(box.right),
            .cy = static_cast<int>(box.bottom)};
}

} // namespace hb::toolkit::detail
