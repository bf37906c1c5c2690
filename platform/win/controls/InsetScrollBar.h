#pragma once
// A scroll bar a control draws inside its own client area: an arrow button at each end and,
// between them, a track with a thumb whose length shows how much of the whole is in view.
#include "platform/win/WinTypes.h"
#include "platform/win/gdi/GdiTypes.h"

namespace hb::win::detail {

// The parts of a bar, from its start (top or left) to its end.
enum class ScrollPart { None, LineBack, PageBack, Thumb, PageForward, LineForward };

struct InsetScrollBar {
    RECT rect{}; // where the bar stands; empty when it is not shown
    bool vertical = true;
    int range = 0; // the whole, in the control's own units
    int page = 0;  // how many of those units show at once
    int pos = 0;   // the first unit shown

    bool Shown() const;
    // The last first unit: the end of the whole then shows at the end of the view.
    int MaxPos() const;
    // Empty when everything shows at once.
    RECT Thumb() const;
    ScrollPart PartAt(POINT pt) const;
    // The distance along the bar from its start to `pt`.
    int Along(POINT pt) const;
    // The position that puts the thumb's leading edge `offset` pixels from the bar's start.
    int PosForThumbAt(int offset) const;
    void Paint(HDC hdc, ScrollPart pressed) const;
};

} // namespace hb::win::detail
