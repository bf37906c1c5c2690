#include "platform/afx/ButtonKind.h"

#include "platform/win/Windows.h"

#include <strings.h>

namespace hb::afx::detail {

bool IsButtonOfType(HWND hwnd, DWORD type) {
    char className[8] = {};
    ::GetClassName(hwnd, className, sizeof className);
    return ::strcasecmp(className, "Button") == 0 &&
           (static_cast<DWORD>(::GetWindowLong(hwnd, GWL_STYLE)) & BS_TYPEMASK) == type;
}

} // namespace hb::afx::detail
