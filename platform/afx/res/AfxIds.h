#pragma once
// The class library's own command and window ids, with the values the program's resources and
// messages use for them. The program's own ids belong to the program.
#include "platform/win/WinTypes.h"

// The message pane's text when no command is pointed at.
inline constexpr UINT AFX_IDS_IDLEMESSAGE = 0xE001;

inline constexpr UINT ID_FILE_NEW = 0xE100;
inline constexpr UINT ID_FILE_OPEN = 0xE101;
inline constexpr UINT ID_FILE_SAVE = 0xE103;
inline constexpr UINT ID_FILE_PRINT = 0xE107;
inline constexpr UINT ID_FILE_PRINT_PREVIEW = 0xE109;

inline constexpr UINT ID_EDIT_COPY = 0xE122;
inline constexpr UINT ID_EDIT_CUT = 0xE123;
inline constexpr UINT ID_EDIT_PASTE = 0xE125;
inline constexpr UINT ID_EDIT_UNDO = 0xE12B;

inline constexpr UINT ID_WINDOW_NEW = 0xE130;
inline constexpr UINT ID_WINDOW_ARRANGE = 0xE131;
inline constexpr UINT ID_WINDOW_CASCADE = 0xE132;
inline constexpr UINT ID_WINDOW_TILE_HORZ = 0xE133;
inline constexpr UINT ID_WINDOW_TILE_VERT = 0xE134;
inline constexpr UINT ID_WINDOW_SPLIT = 0xE135;
// The MDI frame's window list: its first entry's command; the others follow.
inline constexpr UINT AFX_IDM_FIRST_MDICHILD = 0xFF00;

inline constexpr UINT ID_APP_EXIT = 0xE141;
inline constexpr UINT ID_HELP_INDEX = 0xE142;
inline constexpr UINT ID_HELP_FINDER = 0xE143;
inline constexpr UINT ID_CONTEXT_HELP = 0xE145;
inline constexpr UINT ID_HELP = 0xE146;
inline constexpr UINT ID_DEFAULT_HELP = 0xE147;

inline constexpr UINT ID_NEXT_PANE = 0xE150;
inline constexpr UINT ID_PREV_PANE = 0xE151;

// A status bar's panes: the message pane, and the key-state indicators.
inline constexpr UINT ID_SEPARATOR = 0;
inline constexpr UINT ID_INDICATOR_CAPS = 0xE701;
inline constexpr UINT ID_INDICATOR_NUM = 0xE702;
inline constexpr UINT ID_INDICATOR_SCRL = 0xE703;

inline constexpr UINT AFX_IDW_STATUS_BAR = 0xE801;
inline constexpr UINT AFX_IDW_TOOLBAR = 0xE800;
// The frame's edges a bar docks on.
inline constexpr UINT AFX_IDW_DOCKBAR_TOP = 0xE81B;
inline constexpr UINT AFX_IDW_DOCKBAR_LEFT = 0xE81C;
inline constexpr UINT AFX_IDW_DOCKBAR_RIGHT = 0xE81D;
inline constexpr UINT AFX_IDW_DOCKBAR_BOTTOM = 0xE81E;

// Child windows of a frame: the panes (a view, a splitter and its panes, the MDI client).
inline constexpr UINT AFX_IDW_PANE_FIRST = 0xE900;
inline constexpr UINT AFX_IDW_PANE_LAST = 0xE9FF;
