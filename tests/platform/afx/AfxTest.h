#pragma once
#include "platform/afx/Afx.h"
#include "platform/testkit/PlatformTest.h"

namespace hb::afx::test {

// A check box or radio button that keeps its check state and answers BM_GETCHECK/BM_SETCHECK, as
// the standard button does. Registered as "Button" unless the platform provides one.
inline LRESULT TestButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case BM_GETCHECK:
        return GetWindowLongPtr(hwnd, GWLP_USERDATA);
    case BM_SETCHECK:
        SetWindowLongPtr(hwnd, GWLP_USERDATA, static_cast<LONG_PTR>(wParam));
        return 0;
    default:
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

inline constexpr LPCSTR kFieldClass = "HbTestField";

class AfxTest : public hb::testkit::PlatformTest {
protected:
    AfxTest() {
        if (!GetClassInfo("Button", nullptr)) {
            RegisterClass({.style = 0, .lpfnWndProc = &TestButtonProc, .lpszClassName = "Button"});
        }
        RegisterClass({.style = 0, .lpfnWndProc = &DefWindowProc, .lpszClassName = kFieldClass});
    }

    // A visible child control of `parent`.
    static HWND MakeChild(HWND parent, int id, LPCSTR className = kFieldClass, DWORD style = 0,
                          LPCSTR text = "") {
        return CreateWindowEx(0, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 20, 10,
                              parent, static_cast<UINT>(id), nullptr);
    }
};

} // namespace hb::afx::test
