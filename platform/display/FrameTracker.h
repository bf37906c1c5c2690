#pragma once
// The mouse on the frames of child windows (NonClient.h), as the window manager handles it for
// top-level ones: a press on a caption button sends its system command when released over it, the
// caption drags the window inside its parent, a sizing border resizes it, and a double-click on
// the caption maximizes or restores it. Pressing on a frame, or in an MDI child, activates it.
#include "platform/win/WinTypes.h"

namespace hb::display {

class ClickSeries;

class FrameTracker {
public:
    // Double-clicks are told apart in `clicks`, shared with the presses elsewhere.
    explicit FrameTracker(ClickSeries& clicks) : m_clicks(clicks) {}

    // A press of the left button at `screen` on the frame of `hwnd`. True when the press started
    // something that the moves and the release that follow belong to.
    bool Press(HWND hwnd, POINT screen);
    bool Tracking() const { return m_hwnd && m_part != 0; }
    void Move(POINT screen);
    void Release(POINT screen);

    // Activates the MDI child that holds `hwnd`, if it is not the active one.
    static void ActivateChildOf(HWND hwnd);

private:
    LRESULT PartAt(POINT screen) const;

    ClickSeries& m_clicks;
    HWND m_hwnd;
    LRESULT m_part = 0;
    POINT m_start;
    // The window's rectangle in its parent when the drag began.
    RECT m_startRect;
};

} // namespace hb::display
