#include "platform/testkit/TestWindow.h"

#include <algorithm>
#include <unordered_map>

namespace hb::testkit {

namespace {

std::unordered_map<HWND, TestWindow*>& Attached() {
    static std::unordered_map<HWND, TestWindow*> attached;
    return attached;
}

} // namespace

TestWindow::~TestWindow() {
    const HWND hwnd = m_hwnd;
    Attached().erase(hwnd);
    if (IsWindow(hwnd)) {
        DestroyWindow(hwnd);
    }
}

HWND TestWindow::Create(const TestWindowOptions& options) {
    if (!GetClassInfo(kClassName, nullptr)) {
        RegisterClass({.style = 0, .lpfnWndProc = &TestWindow::Proc, .lpszClassName = kClassName});
    }
    hb::win::HookNextWindowCreation([this](HWND hwnd) {
        m_hwnd = hwnd;
        Attached()[hwnd] = this;
    });
    const RECT& r = options.rect;
    CreateWindowEx(options.exStyle, kClassName, options.text, options.style, r.left, r.top,
                   r.right - r.left, r.bottom - r.top, options.parent, options.id, nullptr);
    return IsWindow(m_hwnd) ? m_hwnd : HWND{};
}

void TestWindow::On(UINT message, Handler handler) {
    m_handlers[message] = std::move(handler);
}

std::vector<UINT> TestWindow::MessageIds() const {
    std::vector<UINT> ids;
    for (const MSG& msg : m_messages) {
        ids.push_back(msg.message);
    }
    return ids;
}

std::size_t TestWindow::Count(UINT message) const {
    return static_cast<std::size_t>(
        std::count_if(m_messages.begin(), m_messages.end(),
                      [message](const MSG& m) { return m.message == message; }));
}

LRESULT TestWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto it = Attached().find(hwnd);
    if (it == Attached().end()) {
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
    TestWindow& self = *it->second;
    self.m_messages.push_back(MSG{hwnd, message, wParam, lParam, GetTickCount(), {}});
    if (message == WM_NCDESTROY) {
        Attached().erase(hwnd);
    }
    const auto handler = self.m_handlers.find(message);
    if (handler != self.m_handlers.end()) {
        const Handler run = handler->second; // the handler may replace itself
        return run(wParam, lParam);
    }
    return DefWindowProc(hwnd, message, wParam, lParam);
}

} // namespace hb::testkit
