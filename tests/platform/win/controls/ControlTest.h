#pragma once
#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TestWindow.h"

#include <algorithm>
#include <string>
#include <vector>

// A dialog-like parent that records the notifications its standard controls send it.
class ControlTest : public hb::testkit::PlatformTest {
protected:
    HWND Create(LPCSTR className, LPCSTR text, DWORD style, UINT id,
                RECT rect = {10, 10, 110, 34}) {
        return CreateWindowEx(0, className, text, WS_CHILD | WS_VISIBLE | style, rect.left,
                              rect.top, rect.right - rect.left, rect.bottom - rect.top,
                              parent.hwnd(), id, nullptr);
    }

    // The WM_COMMAND notification codes control `id` sent, in order.
    std::vector<UINT> Notes(UINT id) const {
        std::vector<UINT> codes;
        for (const MSG& msg : parent.Messages()) {
            if (msg.message == WM_COMMAND && LOWORD(msg.wParam) == id) {
                EXPECT_EQ(hb::win::HwndFromParam(static_cast<std::uintptr_t>(msg.lParam)),
                          GetDlgItem(parent.hwnd(), static_cast<int>(id)));
                codes.push_back(HIWORD(msg.wParam));
            }
        }
        return codes;
    }

    std::size_t CountNotes(UINT id, UINT code) const {
        const auto codes = Notes(id);
        return static_cast<std::size_t>(std::count(codes.begin(), codes.end(), code));
    }

    static void Click(HWND hwnd, int x = 5, int y = 5) {
        SendMessage(hwnd, WM_LBUTTONDOWN, 0, MAKELPARAM(x, y));
        SendMessage(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }

    static LRESULT CheckOf(HWND hwnd) { return SendMessage(hwnd, BM_GETCHECK, 0, 0); }

    static const hb::win::DisplayList& Painted(HWND hwnd) {
        RedrawWindow(hwnd, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        return hb::win::LastPaint(hwnd);
    }

    static std::vector<std::string> DrawnTexts(const hb::win::DisplayList& list) {
        std::vector<std::string> texts;
        for (const auto& record : list) {
            if (record.op == hb::win::DrawOp::DrawText) {
                texts.push_back(record.text);
            }
        }
        return texts;
    }

    static std::vector<hb::win::DrawOp> OpsOf(const hb::win::DisplayList& list) {
        std::vector<hb::win::DrawOp> ops;
        for (const auto& record : list) {
            ops.push_back(record.op);
        }
        return ops;
    }

    hb::testkit::TestWindow parent{{.style = WS_VISIBLE, .rect = {0, 0, 400, 300}}};
};
