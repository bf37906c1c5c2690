#pragma once
// Message and notification ids of the GUI toolkit that the program handles or sends.

#include <cstdint>

inline constexpr std::uint32_t WM_TOOLKIT_BAR_RESET = 0x2864; // to the site frame of a reset bar
// To the site frame before the customize sheet opens; lParam: the sheet, to add pages to.
inline constexpr std::uint32_t WM_TOOLKIT_CUSTOMIZE_SHEET = 0x2870;
// Toolkit messages that frames and views answer with 0 and nothing else.
inline constexpr std::uint32_t WM_TOOLKIT_IGNORED_285E = 0x285E;
inline constexpr std::uint32_t WM_TOOLKIT_IGNORED_2868 = 0x2868;
inline constexpr std::uint32_t WM_TOOLKIT_IGNORED_27EC = 0x27EC;

// Docking-pane notification to the frame: wParam is the code, lParam its data.
inline constexpr std::uint32_t WM_DOCKING_PANE_NOTIFY = 0x2AAD;
inline constexpr std::uint32_t DOCKING_PANE_SHOW_WINDOW = 1; // lParam = the pane
inline constexpr std::uint32_t DOCKING_PANE_ACTION = 4;      // lParam = the action record
inline constexpr std::uint32_t DOCKING_PANE_ACTION_SIZING = 13;

// Notifications of the edit list box to its parent.
inline constexpr std::uint32_t EDITLIST_END_LABEL_EDIT = 0x272F;
inline constexpr std::uint32_t EDITLIST_CANCEL_LABEL_EDIT = 0x2730;
inline constexpr std::uint32_t EDITLIST_NEW_ITEM = 0x2731;
inline constexpr std::uint32_t EDITLIST_DELETE_ITEM = 0x2732;

// WM_NOTIFY codes (the negative codes as the unsigned values they have in a notification).
inline constexpr std::uint32_t REPORT_NOTIFY_CELL_CLICKED = 0u - 60u;
inline constexpr std::uint32_t REPORT_NOTIFY_INPLACE_EDIT_DONE = 0u - 57u;
inline constexpr std::uint32_t COMMANDBAR_NOTIFY_EXECUTE = 100;
