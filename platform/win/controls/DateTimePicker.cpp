// The "SysDateTimePick32" class: a sunken field showing its date as month/day/year. It keeps the
// whole time it is given; the colours set for its month calendar are kept and given back.
#include "platform/win/controls/CommonControls.h"
#include "platform/win/controls/ControlSupport.h"
#include "platform/win/controls/DateTimePick.h"
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
#include "platform/win/sys/FileTime.h"

#include <array>
#include <string>
#include <utility>

using namespace hb::win;
using namespace hb::win::detail;

namespace {

struct DatePickerState {
    HFONT font;
    SYSTEMTIME time{.wYear = 2000, .wMonth = 1, .wDay = 1};
    std::array<COLORREF, 6> calendar{CLR_DEFAULT, CLR_DEFAULT, CLR_DEFAULT,
                                     CLR_DEFAULT, CLR_DEFAULT, CLR_DEFAULT};
};

bool Valid(const SYSTEMTIME& time) {
    return time.wYear >= 1601 && time.wMonth >= 1 && time.wMonth <= 12 && time.wDay >= 1 &&
           time.wDay <= 31 && time.wHour < 24 && time.wMinute < 60 && time.wSecond < 60;
}

void Paint(HWND hwnd, HDC hdc) {
    const DatePickerState& state = StateOf<DatePickerState>(hwnd);
    RECT box = ClientRectOf(hwnd);
    FillRect(hdc, &box, GetSysColorBrush(IsWindowEnabled(hwnd) ? COLOR_WINDOW : COLOR_BTNFACE));
    DrawEdge(hdc, &box, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    const std::string text = std::to_string(state.time.wMonth) + "/" +
                             std::to_string(state.time.wDay) + "/" +
                             std::to_string(state.time.wYear);
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, GetSysColor(IsWindowEnabled(hwnd) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    box.left += 2;
    DrawText(hdc, text.c_str(), -1, &box, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}

std::optional<LRESULT> Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                              DatePickerState& state) {
    switch (message) {
    case DTM_GETSYSTEMTIME:
        if (auto* time = reinterpret_cast<SYSTEMTIME*>(lParam)) {
            *time = state.time;
            return static_cast<LRESULT>(GDT_VALID);
        }
        return -1;
    case DTM_SETSYSTEMTIME: {
        const auto* time = reinterpret_cast<const SYSTEMTIME*>(lParam);
        if (wParam != GDT_VALID || !time || !Valid(*time)) {
            return FALSE;
        }
        state.time = *time;
        InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    }
    case DTM_SETMCCOLOR:
        if (wParam >= state.calendar.size()) {
            return static_cast<LRESULT>(CLR_NONE);
        }
        return static_cast<LRESULT>(
            std::exchange(state.calendar[wParam], static_cast<COLORREF>(lParam)));
    case DTM_GETMCCOLOR:
        return static_cast<LRESULT>(wParam < state.calendar.size() ? state.calendar[wParam]
                                                                   : CLR_NONE);
    default:
        return std::nullopt;
    }
}

[[maybe_unused]] const ATOM kRegistered =
    RegisterControlClass(DATETIMEPICK_CLASS, &ControlProc<DatePickerState, &Handle, &Paint>);

} // namespace
