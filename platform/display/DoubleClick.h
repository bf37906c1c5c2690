#pragma once
#include "platform/win/WinTypes.h"

#include <cstdint>

namespace hb::display {

// Two presses make a double-click when the second comes this soon and this close to the first.
inline constexpr std::int64_t kDoubleClickMs = 500;
inline constexpr int kDoubleClickSlop = 4;

// The presses of the mouse's buttons one after the other, wherever they land: on a window's client
// area, on a child's frame or on the menu bar. Two make a double-click only when nothing was
// pressed between them, so a press elsewhere breaks the pair.
class ClickSeries {
public:
    // Whether a press of `what` (a button's message, or a part of a frame) on `hwnd` at `screen`
    // at `now` would complete a double-click.
    bool Completes(HWND hwnd, LRESULT what, POINT screen, std::int64_t now) const;
    // Notes that press; one that `completed` a double-click starts no new pair.
    void Note(HWND hwnd, LRESULT what, POINT screen, std::int64_t now, bool completed);
    // Notes a press that is no part of any pair.
    void Break() { m_last = {}; }

private:
    struct Press {
        HWND hwnd;
        LRESULT what = 0;
        POINT at;
        std::int64_t time = 0;
    };

    Press m_last;
};

} // namespace hb::display
