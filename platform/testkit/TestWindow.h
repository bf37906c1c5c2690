#pragma once
#include "platform/win/Windows.h"

#include <cstddef>
#include <functional>
#include <map>
#include <vector>

namespace hb::testkit {

struct TestWindowOptions {
    DWORD style = 0;
    DWORD exStyle = 0;
    HWND parent{};
    UINT id = 0;
    RECT rect{0, 0, 100, 100};
    LPCSTR text = "";
};

// A window that records every message its procedure receives, from WM_NCCREATE on, and lets a
// test answer chosen messages; the rest go to DefWindowProc. Destroying the object destroys the
// window if it is still there; the record of messages stays readable after the window is gone.
class TestWindow {
public:
    using Handler = std::function<LRESULT(WPARAM, LPARAM)>;

    static constexpr LPCSTR kClassName = "HbTestWindow";

    TestWindow() = default;
    explicit TestWindow(const TestWindowOptions& options) { Create(options); }
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    // Handlers set before Create see the creation messages.
    HWND Create(const TestWindowOptions& options = {});
    void On(UINT message, Handler handler);

    HWND hwnd() const { return m_hwnd; }
    const std::vector<MSG>& Messages() const { return m_messages; }
    std::vector<UINT> MessageIds() const;
    std::size_t Count(UINT message) const;
    void ClearMessages() { m_messages.clear(); }

private:
    static LRESULT Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hwnd;
    std::vector<MSG> m_messages;
    std::map<UINT, Handler> m_handlers;
};

} // namespace hb::testkit
