#include "platform/win/core/WindowText.h"

#include "platform/win/core/Window.h"

namespace hb::win {

std::string WindowTextOf(HWND hwnd) {
    std::string text(static_cast<std::size_t>(GetWindowTextLength(hwnd)) + 1, '\0');
    text.resize(
        static_cast<std::size_t>(GetWindowText(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

} // namespace hb::win
