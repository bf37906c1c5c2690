#include "platform/display/DoubleClick.h"

#include <cstdlib>

namespace hb::display {

bool ClickSeries::Completes(HWND hwnd, LRESULT what, POINT screen, std::int64_t now) const {
    return m_last.what != 0 && hwnd == m_last.hwnd && what == m_last.what &&
           now - m_last.time <= kDoubleClickMs &&
           std::abs(screen.x - m_last.at.x) <= kDoubleClickSlop &&
           std::abs(screen.y - m_last.at.y) <= kDoubleClickSlop;
}

void ClickSeries::Note(HWND hwnd, LRESULT what, POINT screen, std::int64_t now, bool completed) {
    m_last = completed ? Press{} : Press{hwnd, what, screen, now};
}

} // namespace hb::display
