// The "SysDateTimePick32" class: a sunken field showing its date as month/day/year, with a drop
// button. It keeps the whole time it is given; the colours set for its month calendar are kept
// and given back. A click on the field, F4 or Alt+Down drops the month calendar below the field,
// inside the control as a drop-down list does: the arrows in its title change the month shown, a
// click on a day takes that day (the time of day stays) and closes it, and Enter, Escape, another
// click on the field or losing the focus close it as it is. Every closing tells the parent with
// DTN_CLOSEUP.
#include "platform/win/controls/CommonControls.h"
#include "platform/win/controls/ControlSupport.h"
#include "platform/win/controls/DateTimePick.h"
#include "platform/win/core/Geometry.h"
#include "platform/win/core/Keyboard.h"
#include "platform/win/core/Keys.h"
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

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

using namespace hb::win;
using namespace hb::win::detail;

namespace {

constexpr int kCellWidth = 24;
constexpr int kCellHeight = 16;
constexpr int kTitleHeight = 20;
constexpr int kWeeks = 6;
constexpr int kCalendarWidth = 7 * kCellWidth + 2;
constexpr int kCalendarHeight = kTitleHeight + (kWeeks + 1) * kCellHeight + 2;
constexpr COLORREF kDefaultTitle = 0x00A06040;

constexpr std::array<const char*, 12> kMonths = {"January",   "February", "March",    "April",
                                                 "May",       "June",     "July",     "August",
                                                 "September", "October",  "November", "December"};
constexpr std::array<const char*, 7> kWeekdays = {"Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"};

struct DatePickerState {
    HFONT font;
    SYSTEMTIME time{.wYear = 2000, .wMonth = 1, .wDay = 1};
    std::array<COLORREF, 6> calendar{CLR_DEFAULT, CLR_DEFAULT, CLR_DEFAULT,
                                     CLR_DEFAULT, CLR_DEFAULT, CLR_DEFAULT};
    bool dropped = false;
    // Where the control stands in its parent while the calendar is closed, how far into the
    // open control its field lies, and the siblings that were above it.
    RECT home{};
    int fieldLeft = 0;
    std::vector<HWND> above;
    // The month the open calendar shows.
    int shownYear = 2000;
    int shownMonth = 1;
};

bool IsLeap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysIn(int year, int month) {
    constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

// 0 for Sunday.
int Weekday(int year, int month, int day) {
    constexpr std::array<int, 12> kOffsets = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    const int y = month < 3 ? year - 1 : year;
    return (y + y / 4 - y / 100 + y / 400 + kOffsets[static_cast<std::size_t>(month - 1)] + day) %
           7;
}

bool Valid(const SYSTEMTIME& time) {
    return time.wYear >= 1601 && time.wMonth >= 1 && time.wMonth <= 12 && time.wDay >= 1 &&
           time.wDay <= DaysIn(time.wYear, time.wMonth) && time.wHour < 24 && time.wMinute < 60 &&
           time.wSecond < 60;
}

int FieldHeight(const DatePickerState& state) {
    return static_cast<int>(state.home.bottom - state.home.top);
}

RECT FieldRect(HWND hwnd, const DatePickerState& state) {
    if (!state.dropped) {
        return ClientRectOf(hwnd);
    }
    return {state.fieldLeft, 0, state.fieldLeft + state.home.right - state.home.left,
            FieldHeight(state)};
}

RECT CalendarRect(const DatePickerState& state) {
    const int top = FieldHeight(state);
    return {0, top, kCalendarWidth, top + kCalendarHeight};
}

RECT DayRect(const DatePickerState& state, int day) {
    const int at = Weekday(state.shownYear, state.shownMonth, 1) + day - 1;
    const int left = 1 + (at % 7) * kCellWidth;
    const int top = FieldHeight(state) + kTitleHeight + (1 + at / 7) * kCellHeight + 1;
    return {left, top, left + kCellWidth, top + kCellHeight};
}

COLORREF TitleColor(const DatePickerState& state) {
    const COLORREF chosen = state.calendar[MCSC_TITLEBK];
    return chosen == CLR_DEFAULT ? kDefaultTitle : chosen;
}

void PaintField(HWND hwnd, HDC hdc, const DatePickerState& state) {
    const bool enabled = IsWindowEnabled(hwnd);
    RECT box = FieldRect(hwnd, state);
    FillRect(hdc, &box, GetSysColorBrush(enabled ? COLOR_WINDOW : COLOR_BTNFACE));
    DrawEdge(hdc, &box, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    RECT button = box;
    button.left = box.right = box.right - GetSystemMetrics(SM_CXVSCROLL);
    SelectObject(hdc, GetSysColorBrush(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    PaintArrow(hdc, button, state.dropped, false, false);
    const std::string text = std::to_string(state.time.wMonth) + "/" +
                             std::to_string(state.time.wDay) + "/" +
                             std::to_string(state.time.wYear);
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    box.left += 2;
    DrawText(hdc, text.c_str(), -1, &box, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}

// The title with the month, the year and the two arrows, the weekdays, then the days of the month
// with the chosen one marked.
void PaintCalendar(HDC hdc, const DatePickerState& state) {
    RECT frame = CalendarRect(state);
    FillRect(hdc, &frame, GetSysColorBrush(COLOR_WINDOW));
    DrawEdge(hdc, &frame, EDGE_RAISED, BF_RECT | BF_ADJUST);
    RECT title{frame.left, frame.top, frame.right, frame.top + kTitleHeight};
    const HBRUSH titleBrush = CreateSolidBrush(TitleColor(state));
    FillRect(hdc, &title, titleBrush);
    DeleteObject(titleBrush);
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, 0x00FFFFFF);
    const std::string heading =
        std::string(kMonths[static_cast<std::size_t>(state.shownMonth - 1)]) + " " +
        std::to_string(state.shownYear);
    DrawText(hdc, heading.c_str(), -1, &title, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    DrawText(hdc, "<", -1, &title, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    DrawText(hdc, ">", -1, &title, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    for (int column = 0; column < 7; ++column) {
        RECT cell{frame.left + column * kCellWidth, title.bottom,
                  frame.left + (column + 1) * kCellWidth, title.bottom + kCellHeight};
        DrawText(hdc, kWeekdays[static_cast<std::size_t>(column)], -1, &cell,
                 DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    const bool shownChosen =
        state.shownYear == state.time.wYear && state.shownMonth == state.time.wMonth;
    for (int day = 1; day <= DaysIn(state.shownYear, state.shownMonth); ++day) {
        RECT cell = DayRect(state, day);
        const bool chosen = shownChosen && day == state.time.wDay;
        if (chosen) {
            FillRect(hdc, &cell, GetSysColorBrush(COLOR_HIGHLIGHT));
        }
        SetTextColor(hdc, GetSysColor(chosen ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        const std::string number = std::to_string(day);
        DrawText(hdc, number.c_str(), -1, &cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

void Paint(HWND hwnd, HDC hdc) {
    const DatePickerState& state = StateOf<DatePickerState>(hwnd);
    PaintField(hwnd, hdc, state);
    if (state.dropped) {
        PaintCalendar(hdc, state);
    }
}

RECT RectInParent(HWND hwnd) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    MapWindowPoints(HWND{}, GetParent(hwnd), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The control grows to hold the calendar below its field, moving left when the calendar would
// pass its parent's right edge, and rises above its siblings so that none covers the calendar.
void Drop(HWND hwnd, DatePickerState& state) {
    state.home = RectInParent(hwnd);
    const int width = std::max<int>(state.home.right - state.home.left, kCalendarWidth);
    const HWND parent = GetParent(hwnd);
    const int left =
        parent
            ? std::max<int>(0, std::min<int>(state.home.left, ClientRectOf(parent).right - width))
            : static_cast<int>(state.home.left);
    state.fieldLeft = state.home.left - left;
    state.shownYear = state.time.wYear;
    state.shownMonth = state.time.wMonth;
    state.dropped = true;
    state.above.clear();
    for (HWND next = GetWindow(hwnd, GW_HWNDNEXT); next; next = GetWindow(next, GW_HWNDNEXT)) {
        state.above.push_back(next);
    }
    BringWindowToTop(hwnd);
    SetWindowPos(hwnd, HWND{}, left, state.home.top, width, FieldHeight(state) + kCalendarHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hwnd, nullptr, TRUE);
}

void CloseUp(HWND hwnd, DatePickerState& state) {
    if (!state.dropped) {
        return;
    }
    state.dropped = false;
    // The siblings go back above it in their order, which is also the tab order.
    for (HWND sibling : state.above) {
        if (IsWindow(sibling)) {
            BringWindowToTop(sibling);
        }
    }
    SetWindowPos(hwnd, HWND{}, state.home.left, state.home.top, state.home.right - state.home.left,
                 FieldHeight(state), SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hwnd, nullptr, TRUE);
    NMHDR header{};
    NotifyParent(hwnd, DTN_CLOSEUP, header);
}

void ShowMonth(DatePickerState& state, int step) {
    const int months = state.shownYear * 12 + state.shownMonth - 1 + step;
    if (months / 12 >= 1601) {
        state.shownYear = months / 12;
        state.shownMonth = months % 12 + 1;
    }
}

void ClickCalendar(HWND hwnd, DatePickerState& state, POINT pt) {
    const RECT frame = CalendarRect(state);
    if (pt.y < frame.top + kTitleHeight) {
        if (pt.x < frame.left + kCellWidth || pt.x >= frame.right - kCellWidth) {
            ShowMonth(state, pt.x < frame.left + kCellWidth ? -1 : 1);
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        return;
    }
    for (int day = 1; day <= DaysIn(state.shownYear, state.shownMonth); ++day) {
        const RECT cell = DayRect(state, day);
        if (PtInRect(&cell, pt)) {
            state.time.wYear = static_cast<WORD>(state.shownYear);
            state.time.wMonth = static_cast<WORD>(state.shownMonth);
            state.time.wDay = static_cast<WORD>(day);
            state.time.wDayOfWeek =
                static_cast<WORD>(Weekday(state.shownYear, state.shownMonth, day));
            CloseUp(hwnd, state);
            return;
        }
    }
}

void Click(HWND hwnd, DatePickerState& state, POINT pt) {
    SetFocus(hwnd);
    if (!IsWindow(hwnd)) {
        return;
    }
    if (!state.dropped) {
        Drop(hwnd, state);
    } else if (pt.y < FieldHeight(state)) {
        CloseUp(hwnd, state);
    } else {
        ClickCalendar(hwnd, state, pt);
    }
}

void Key(HWND hwnd, DatePickerState& state, UINT vk) {
    const bool alt = (GetKeyState(VK_MENU) & 0x8000) != 0;
    if (!state.dropped && (vk == VK_F4 || (vk == VK_DOWN && alt))) {
        Drop(hwnd, state);
    } else if (state.dropped && (vk == VK_F4 || vk == VK_RETURN || vk == VK_ESCAPE)) {
        CloseUp(hwnd, state);
    }
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
    case WM_LBUTTONDOWN:
        Click(hwnd, state, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        Key(hwnd, state, static_cast<UINT>(wParam));
        return 0;
    case WM_KILLFOCUS:
        CloseUp(hwnd, state);
        return 0;
    default:
        return std::nullopt;
    }
}

[[maybe_unused]] const ATOM kRegistered =
    RegisterControlClass(DATETIMEPICK_CLASS, &ControlProc<DatePickerState, &Handle, &Paint>);

} // namespace

namespace hb::win {

bool DatePickerDropped(HWND picker) {
    return IsWindow(picker) && StateOf<DatePickerState>(picker).dropped;
}

POINT DatePickerDayPoint(HWND picker, int day) {
    const RECT cell = DayRect(StateOf<DatePickerState>(picker), day);
    return {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
}

} // namespace hb::win
