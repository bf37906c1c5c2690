#include "platform/display/MessageBoxWindow.h"

#include "platform/win/controls/ControlMessages.h"
#include "platform/win/core/Geometry.h"
#include "platform/win/core/Keyboard.h"
#include "platform/win/core/Keys.h"
#include "platform/win/core/MessageLoop.h"
#include "platform/win/core/Messages.h"
#include "platform/win/core/ModalDepth.h"
#include "platform/win/core/Placement.h"
#include "platform/win/core/SystemInfo.h"
#include "platform/win/core/Window.h"
#include "platform/win/core/WindowClass.h"
#include "platform/win/core/WindowState.h"
#include "platform/win/gdi/DeviceContext.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/gdi/Fonts.h"
#include "platform/win/gdi/Objects.h"
#include "platform/win/gdi/Painting.h"
#include "platform/win/gdi/TextDrawing.h"

#include <algorithm>
#include <map>
#include <optional>
#include <vector>

namespace hb::display {

namespace {

constexpr LPCSTR kClassName = "HbMessageBox";
constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kGap = 8;
constexpr int kTextWidth = 360;
constexpr int kTextId = 0xFFFF;

struct Box {
    UINT type = 0;
    std::vector<int> buttons;
    std::optional<int> answer;
};

std::map<HWND, Box>& Boxes() {
    static std::map<HWND, Box> boxes;
    return boxes;
}

LPCSTR Label(int answer) {
    switch (answer) {
    case IDCANCEL:
        return "Cancel";
    case IDABORT:
        return "&Abort";
    case IDRETRY:
        return "&Retry";
    case IDIGNORE:
        return "&Ignore";
    case IDYES:
        return "&Yes";
    case IDNO:
        return "&No";
    default:
        return "OK";
    }
}

// What closing the box answers: Cancel where there is one, OK for a plain box, else nothing.
std::optional<int> CloseAnswer(const Box& box) {
    if (std::find(box.buttons.begin(), box.buttons.end(), IDCANCEL) != box.buttons.end()) {
        return IDCANCEL;
    }
    if (box.buttons == std::vector<int>{IDOK}) {
        return IDOK;
    }
    return std::nullopt;
}

// A disc in the kind's colour with its sign.
void PaintIcon(HDC hdc, UINT type) {
    struct Kind {
        UINT flag;
        COLORREF color;
        LPCSTR sign;
    };
    static const Kind kinds[] = {{MB_ICONHAND, RGB(200, 30, 30), "X"},
                                 {MB_ICONQUESTION, RGB(40, 90, 200), "?"},
                                 {MB_ICONEXCLAMATION, RGB(230, 170, 0), "!"},
                                 {MB_ICONASTERISK, RGB(40, 90, 200), "i"}};
    const UINT icon = type & 0xF0;
    const auto kind = std::find_if(std::begin(kinds), std::end(kinds),
                                   [icon](const Kind& k) { return k.flag == icon; });
    if (kind == std::end(kinds)) {
        return;
    }
    const HBRUSH brush = CreateSolidBrush(kind->color);
    const HGDIOBJ oldBrush = SelectObject(hdc, brush);
    const HGDIOBJ oldPen = SelectObject(hdc, GetStockObject(NULL_PEN));
    Ellipse(hdc, kMargin, kMargin, kMargin + kIconSize, kMargin + kIconSize);
    SelectObject(hdc, oldBrush);
    SelectObject(hdc, oldPen);
    DeleteObject(brush);
    const HFONT font = CreateFont(-24, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, "Arial");
    const HGDIOBJ oldFont = SelectObject(hdc, font);
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, RGB(255, 255, 255));
    RECT area{kMargin, kMargin, kMargin + kIconSize, kMargin + kIconSize};
    DrawText(hdc, kind->sign, -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(hdc, oldFont);
    DeleteObject(font);
}

LRESULT BoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto it = Boxes().find(hwnd);
    if (it == Boxes().end()) {
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
    Box& box = it->second;
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) {
            const int id = LOWORD(wParam);
            if (std::find(box.buttons.begin(), box.buttons.end(), id) != box.buttons.end()) {
                box.answer = id;
            } else if (id == IDCANCEL) {
                box.answer = CloseAnswer(box);
            }
        }
        return 0;
    case WM_CLOSE:
        box.answer = CloseAnswer(box);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        const HDC hdc = BeginPaint(hwnd, &ps);
        RECT client;
        GetClientRect(hwnd, &client);
        FillRect(hdc, &client, GetSysColorBrush(COLOR_BTNFACE));
        PaintIcon(hdc, box.type);
        EndPaint(hwnd, &ps);
        return 0;
    }
    default:
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

// The text's size in the dialog font, wrapped at the box's width.
RECT MeasureBoxText(const std::string& text, HFONT font) {
    const HDC hdc = GetDC(HWND{});
    SelectObject(hdc, font);
    RECT rect{0, 0, kTextWidth, 0};
    DrawText(hdc, text.c_str(), -1, &rect, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    ReleaseDC(HWND{}, hdc);
    return rect;
}

HWND MakeBox(const hb::win::BoxRequest& request, HWND owner) {
    if (!GetClassInfo(kClassName, nullptr)) {
        hb::win::RegisterBuiltinClass(
            {.style = 0, .lpfnWndProc = &BoxProc, .lpszClassName = kClassName});
    }
    const HFONT font = HFONT(GetStockObject(DEFAULT_GUI_FONT));
    const std::vector<int> buttons = hb::win::BoxButtons(request.type);
    const bool icon = (request.type & 0xF0) != 0;
    const RECT text = MeasureBoxText(request.text, font);
    const int textLeft = kMargin + (icon ? kIconSize + kMargin : 0);
    const int buttonsWidth =
        static_cast<int>(buttons.size()) * (kButtonWidth + kGap) - kGap + 2 * kMargin;
    const int width = std::max(textLeft + text.right + kMargin, buttonsWidth);
    const int textHeight = std::max<int>(text.bottom, icon ? kIconSize : 0);
    const int height = kMargin + textHeight + kMargin + kButtonHeight + kMargin;

    const POINT at = hb::win::CentredOver(owner, {width, height});
    const HWND hwnd = CreateWindowEx(WS_EX_DLGMODALFRAME, kClassName, request.caption.c_str(),
                                     WS_POPUP | WS_CAPTION | WS_SYSMENU, at.x, at.y, width, height,
                                     owner, 0, nullptr);
    if (!hwnd) {
        return {};
    }
    Boxes()[hwnd] = {request.type, buttons, std::nullopt};
    const HWND label = CreateWindowEx(
        0, "Static", request.text.c_str(), WS_CHILD | WS_VISIBLE | SS_NOPREFIX, textLeft,
        kMargin + (textHeight - text.bottom) / 2, text.right, text.bottom, hwnd, kTextId, nullptr);
    SendMessage(label, WM_SETFONT, hb::win::ParamFromHandle(font), FALSE);
    const int defaultAnswer = hb::win::DefaultBoxAnswer(request.type);
    int left = (width - (buttonsWidth - 2 * kMargin)) / 2;
    for (const int answer : buttons) {
        const DWORD kind = answer == defaultAnswer ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        const HWND button =
            CreateWindowEx(0, "Button", Label(answer), WS_CHILD | WS_VISIBLE | WS_TABSTOP | kind,
                           left, height - kMargin - kButtonHeight, kButtonWidth, kButtonHeight,
                           hwnd, static_cast<UINT>(answer), nullptr);
        SendMessage(button, WM_SETFONT, hb::win::ParamFromHandle(font), FALSE);
        left += kButtonWidth + kGap;
    }
    return hwnd;
}

// Return clicks the focused button, Escape cancels, Tab and the arrows move between the buttons.
bool HandleKey(HWND hwnd, const MSG& msg) {
    if (msg.message != WM_KEYDOWN || (msg.hwnd != hwnd && !IsChild(hwnd, msg.hwnd))) {
        return false;
    }
    const HWND focus = GetFocus();
    const bool onButton = focus && GetParent(focus) == hwnd && GetDlgCtrlID(focus) != kTextId;
    switch (msg.wParam) {
    case VK_RETURN:
        if (onButton) {
            SendMessage(focus, BM_CLICK, 0, 0);
        }
        return true;
    case VK_ESCAPE:
        SendMessage(hwnd, WM_CLOSE, 0, 0);
        return true;
    case VK_TAB:
    case VK_RIGHT:
    case VK_LEFT: {
        std::vector<HWND> buttons;
        for (HWND c = GetWindow(hwnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            if (GetDlgCtrlID(c) != kTextId) {
                buttons.push_back(c);
            }
        }
        const auto at = std::find(buttons.begin(), buttons.end(), focus);
        const bool back = msg.wParam == VK_LEFT || (GetKeyState(VK_SHIFT) & 0x8000);
        const std::size_t index =
            at == buttons.end() ? 0
            : back ? (static_cast<std::size_t>(at - buttons.begin()) + buttons.size() - 1) %
                         buttons.size()
                   : (static_cast<std::size_t>(at - buttons.begin()) + 1) % buttons.size();
        if (!buttons.empty()) {
            SetFocus(buttons[index]);
        }
        return true;
    }
    default:
        return false;
    }
}

} // namespace

int ShowMessageBox(const hb::win::BoxRequest& request) {
    const HWND owner =
        request.owner && IsWindow(request.owner) ? GetAncestor(request.owner, GA_ROOT) : HWND{};
    const bool disableOwner = owner && IsWindowEnabled(owner);
    // Where the person was typing before the box, so that they type on there after it.
    const HWND focus = GetFocus();
    const HWND hwnd = MakeBox(request, owner);
    if (!hwnd) {
        return hb::win::DefaultBoxAnswer(request.type);
    }
    if (disableOwner) {
        EnableWindow(owner, FALSE);
    }
    ShowWindow(hwnd, SW_SHOWNORMAL);
    const int defaultAnswer = hb::win::DefaultBoxAnswer(request.type);
    SetFocus(GetDlgItem(hwnd, defaultAnswer));
    const auto answered = [hwnd] {
        const auto it = Boxes().find(hwnd);
        return it == Boxes().end() || it->second.answer.has_value();
    };
    const hb::win::ModalScope modal;
    hb::win::RunNestedLoop([&] { return IsWindow(hwnd) && !answered(); },
                           [hwnd](const MSG& msg) { return HandleKey(hwnd, msg); });
    const auto it = Boxes().find(hwnd);
    const int answer =
        it != Boxes().end() && it->second.answer ? *it->second.answer : defaultAnswer;
    Boxes().erase(hwnd);
    if (disableOwner && IsWindow(owner)) {
        EnableWindow(owner, TRUE);
        SetActiveWindow(owner);
    }
    if (IsWindow(hwnd)) {
        DestroyWindow(hwnd);
    }
    if (IsWindow(focus) && IsWindowEnabled(focus)) {
        SetFocus(focus);
    }
    return answer;
}

} // namespace hb::display
