#include "platform/win/core/Messages.h"

#include "platform/win/core/Clock.h"
#include "platform/win/core/Internal.h"
#include "platform/win/core/Keyboard.h"
#include "platform/win/core/LastError.h"
#include "platform/win/core/MessageQueue.h"
#include "platform/win/core/Timers.h"
#include "platform/win/core/WindowState.h"
#include "platform/win/core/WindowTable.h"

#include <unistd.h>

using namespace hb::win::detail;

LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return Deliver(hwnd, message, wParam, lParam, false);
}

BOOL PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!Queue().Post(MSG{hwnd, message, wParam, lParam, GetTickCount(), {}})) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    return TRUE;
}

BOOL PostThreadMessage(DWORD, UINT message, WPARAM wParam, LPARAM lParam) {
    return PostMessage(HWND{}, message, wParam, lParam);
}

DWORD GetCurrentThreadId() {
    return static_cast<DWORD>(::gettid());
}

void PostQuitMessage(int exitCode) {
    Queue().PostQuit(exitCode);
}

BOOL TranslateMessage(const MSG* msg) {
    if (!msg || msg->message != WM_KEYDOWN) {
        return FALSE;
    }
    const auto ch =
        hb::win::CharacterOfKey(static_cast<UINT>(msg->wParam), (msg->lParam >> 16) & 0xFF);
    if (!ch) {
        return FALSE;
    }
    MSG charMsg = *msg;
    charMsg.message = WM_CHAR;
    charMsg.wParam = static_cast<WPARAM>(static_cast<unsigned char>(*ch));
    Queue().PostFirst(charMsg);
    return TRUE;
}

LRESULT DispatchMessage(const MSG* msg) {
    if (!msg || !msg->hwnd) {
        return 0;
    }
    if (msg->message == WM_TIMER && msg->lParam) {
        if (Windows().Find(msg->hwnd)) {
            reinterpret_cast<TIMERPROC>(msg->lParam)(msg->hwnd, WM_TIMER, msg->wParam, msg->time);
        }
        return 0;
    }
    if (msg->message == WM_MOUSEMOVE) {
        hb::win::NoteMouseOver(msg->hwnd);
    }
    return Deliver(msg->hwnd, msg->message, msg->wParam, msg->lParam, true);
}

namespace hb::win::detail {

LRESULT Deliver(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool posted) {
    const WindowRecord* record = Windows().Find(hwnd);
    if (!record || !record->proc) {
        return 0;
    }
    if (record->traced) {
        RecordTrace(hwnd, message, wParam, lParam, posted);
    }
    return record->proc(hwnd, message, wParam, lParam);
}

} // namespace hb::win::detail
