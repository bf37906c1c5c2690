#include "platform/display/Overlay.h"

#include "platform/win/controls/ControlMessages.h"
#include "platform/win/core/Messages.h"
#include "platform/win/core/NoCase.h"
#include "platform/win/core/Window.h"

namespace hb::display {

bool IsOverlay(HWND hwnd) {
    char name[16] = {};
    GetClassName(hwnd, name, sizeof name);
    return hb::win::EqualNoCase(name, "ComboBox") &&
           SendMessage(hwnd, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

} // namespace hb::display
