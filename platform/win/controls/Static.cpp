// The "Static" class: a label, or with SS_ICON an icon.
#include "platform/win/controls/ControlMessages.h"
#include "platform/win/controls/ControlSupport.h"
#include "platform/win/core/Messages.h"
#include "platform/win/core/Paint.h"
#include "platform/win/core/SystemInfo.h"
#include "platform/win/core/Window.h"
#include "platform/win/core/WindowClass.h"
#include "platform/win/core/WindowState.h"
#include "platform/win/gdi/DeviceContext.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/gdi/Objects.h"
#include "platform/win/gdi/TextDrawing.h"

#include <utility>

using namespace hb::win;
using namespace hb::win::detail;

namespace {

constexpr DWORD kTypeMask = 0x1F;

struct StaticState {
    HFONT font;
    HICON icon;
};

void Paint(HWND hwnd, HDC hdc) {
    const DWORD style = StyleOf(hwnd);
    RECT client = ClientRectOf(hwnd);
    SetBkMode(hdc, TRANSPARENT);
    FillRect(
        hdc, &client,
        ColorsFromParent(hwnd, hdc, WM_CTLCOLORSTATIC,
                         GetSysColor(IsWindowEnabled(hwnd) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT),
                         GetSysColorBrush(COLOR_BTNFACE)));
    if ((style & kTypeMask) == SS_ICON) {
        const HICON icon = StateOf<StaticState>(hwnd).icon;
        if (icon) {
            DrawIcon(hdc, 0, 0, icon);
        }
        return;
    }
    const UINT align = (style & kTypeMask) == SS_CENTER  ? DT_CENTER
                       : (style & kTypeMask) == SS_RIGHT ? DT_RIGHT
                                                         : DT_LEFT;
    const std::string text = StoredText(hwnd);
    DrawText(hdc, text.c_str(), -1, &client,
             align | DT_WORDBREAK | ((style & SS_NOPREFIX) ? DT_NOPREFIX : 0));
}

std::optional<LRESULT> Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM, StaticState& state) {
    switch (message) {
    case STM_SETICON: {
        const HICON previous = std::exchange(state.icon, HandleFromParam<HICON>(wParam));
        InvalidateRect(hwnd, nullptr, TRUE);
        return static_cast<LRESULT>(previous.id());
    }
    case STM_GETICON:
        return static_cast<LRESULT>(state.icon.id());
    case WM_LBUTTONDOWN:
        if ((StyleOf(hwnd) & SS_NOTIFY) && IsWindowEnabled(hwnd)) {
            NotifyParent(hwnd, STN_CLICKED);
        }
        return 0;
    default:
        return std::nullopt;
    }
}

[[maybe_unused]] const ATOM kRegistered =
    RegisterControlClass("Static", &ControlProc<StaticState, &Handle, &Paint>);

} // namespace
