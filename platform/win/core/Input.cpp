#include "platform/win/core/Input.h"

#include "platform/win/core/Clock.h"
#include "platform/win/core/MessageQueue.h"
#include "platform/win/core/Messages.h"
#include "platform/win/core/Window.h"
#include "platform/win/core/WindowState.h"

using namespace hb::win::detail;

namespace hb::win {

bool TakesInput(HWND hwnd) {
    for (HWND w = hwnd; w; w = GetAncestor(w, GA_PARENT)) {
        if (!IsWindowEnabled(w)) {
            return false;
        }
    }
    return IsWindow(hwnd) != FALSE;
}

bool PostMouseInput(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return Queue().Post(MSG{hwnd, message, wParam, lParam, GetTickCount(), {}}, Origin::Mouse);
}

void PostKeyInput(HWND from, UINT message, WPARAM wParam, LPARAM lParam) {
    Queue().Post(MSG{from, message, wParam, lParam, GetTickCount(), {}}, Origin::Keyboard);
}

bool InputWaiting() {
    return Queue().InputWaiting();
}

namespace detail {

HWND KeyTarget(HWND from) {
    HWND target = GetFocus();
    if (!target) {
        target = GetActiveWindow();
    }
    if (!target) {
        target = from;
    }
    return TakesInput(target) ? target : HWND{};
}

} // namespace detail

} // namespace hb::win
