#pragma once
// The caption buttons of a frame (close, minimize, maximize, restore), drawn as a raised face with
// their glyph: by the frames of child windows and by a menu bar that holds a maximized child's.
#include "platform/win/WinTypes.h"
#include "platform/win/gdi/GdiTypes.h"

#include <vector>

inline constexpr UINT DFC_CAPTION = 1;
inline constexpr UINT DFCS_CAPTIONCLOSE = 0x0000;
inline constexpr UINT DFCS_CAPTIONMIN = 0x0001;
inline constexpr UINT DFCS_CAPTIONMAX = 0x0002;
inline constexpr UINT DFCS_CAPTIONRESTORE = 0x0003;

// Only DFC_CAPTION; FALSE for other kinds or a bad DC.
BOOL DrawFrameControl(HDC hdc, RECT* rect, UINT type, UINT state);

namespace hb::win {

// The button that stands for a system command (SC_CLOSE, SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE).
UINT CaptionButtonOf(WPARAM command);

struct CaptionButton {
    RECT rect;
    WPARAM command = 0;
};
// The buttons a maximized child of this style gives the menu bar `bar`, from its right end: close,
// restore, minimize.
std::vector<CaptionButton> LayOutMenuBarButtons(DWORD childStyle, const RECT& bar);

} // namespace hb::win
