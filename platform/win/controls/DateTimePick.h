#pragma once
// The date picker ("SysDateTimePick32"), with Windows' values: a date in a field. The month
// calendar's colours are kept for the calendar the field drops down.

#include "platform/win/WinTypes.h"

inline constexpr LPCSTR DATETIMEPICK_CLASS = "SysDateTimePick32";
inline constexpr UINT DTM_GETSYSTEMTIME = 0x1001;
inline constexpr UINT DTM_SETSYSTEMTIME = 0x1002;
inline constexpr UINT DTM_SETMCCOLOR = 0x1006;
inline constexpr UINT DTM_GETMCCOLOR = 0x1007;
inline constexpr UINT DTN_CLOSEUP = static_cast<UINT>(-753);
inline constexpr WPARAM GDT_VALID = 0;
inline constexpr int MCSC_BACKGROUND = 0;
inline constexpr int MCSC_TEXT = 1;
inline constexpr int MCSC_TITLEBK = 2;
inline constexpr int MCSC_TITLETEXT = 3;
inline constexpr int MCSC_MONTHBK = 4;
inline constexpr int MCSC_TRAILINGTEXT = 5;

namespace hb::win {

// For tests: whether the picker's month calendar is open, and where in the picker the open
// calendar shows a day of the month it shows.
bool DatePickerDropped(HWND picker);
POINT DatePickerDayPoint(HWND picker, int day);

} // namespace hb::win
