// The "Button" class: push buttons, check boxes, radio buttons and group boxes.
#include "platform/win/controls/ControlMessages.h"
#include "platform/win/controls/ControlSupport.h"
#include "platform/win/core/Geometry.h"
#include "platform/win/core/Keys.h"
#include "platform/win/core/Messages.h"
#include "platform/win/core/NoCase.h"
#include "platform/win/core/Paint.h"
#include "platform/win/core/SystemInfo.h"
#include "platform/win/core/Window.h"
#include "platform/win/core/WindowClass.h"
#include "platform/win/core/WindowState.h"
#include "platform/win/gdi/Bitmaps.h"
#include "platform/win/gdi/DeviceContext.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/gdi/Objects.h"
#include "platform/win/gdi/TextDrawing.h"
#include "platform/win/gdi/TextMetrics.h"

#include <vector>

using namespace hb::win;
using namespace hb::win::detail;

namespace {

constexpr int kMarkSize = 13;

struct ButtonState {
    HFONT font;
    WPARAM check = BST_UNCHECKED;
    bool pushed = false;
    bool focused = false;
    WPARAM imageType = IMAGE_ICON;
    std::uint32_t image = 0;
};

DWORD TypeOf(HWND hwnd) {
    return StyleOf(hwnd) & BS_TYPEMASK;
}

bool IsCheckType(DWORD type) {
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE ||
           type == BS_AUTO3STATE;
}

bool IsRadioType(DWORD type) {
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

bool IsAutoRadio(HWND hwnd) {
    char name[16] = {};
    GetClassName(hwnd, name, sizeof name);
    return EqualNoCase(name, "Button") && TypeOf(hwnd) == BS_AUTORADIOBUTTON;
}

// The siblings from the nearest WS_GROUP one at or before `hwnd` up to the next WS_GROUP one.
std::vector<HWND> GroupOf(HWND hwnd) {
    std::vector<HWND> siblings;
    for (HWND w = GetWindow(hwnd, GW_HWNDFIRST); w; w = GetWindow(w, GW_HWNDNEXT)) {
        siblings.push_back(w);
    }
    std::size_t at = 0;
    while (siblings[at] != hwnd) {
        ++at;
    }
    std::size_t first = at;
    while (first > 0 && !(StyleOf(siblings[first]) & WS_GROUP)) {
        --first;
    }
    std::size_t last = at + 1;
    while (last < siblings.size() && !(StyleOf(siblings[last]) & WS_GROUP)) {
        ++last;
    }
    return {siblings.begin() + static_cast<std::ptrdiff_t>(first),
            siblings.begin() + static_cast<std::ptrdiff_t>(last)};
}

void SetPushed(HWND hwnd, bool pushed) {
    ButtonState& state = StateOf<ButtonState>(hwnd);
    if (state.pushed != pushed) {
        state.pushed = pushed;
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

// The automatic styles change their check first; then the parent hears of the click.
void Click(HWND hwnd) {
    const WPARAM check = StateOf<ButtonState>(hwnd).check;
    switch (TypeOf(hwnd)) {
    case BS_GROUPBOX:
        return;
    case BS_AUTOCHECKBOX:
        SendMessage(hwnd, BM_SETCHECK, check == BST_UNCHECKED ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
    case BS_AUTO3STATE:
        SendMessage(hwnd, BM_SETCHECK, (check + 1) % 3, 0);
        break;
    case BS_AUTORADIOBUTTON:
        for (HWND other : GroupOf(hwnd)) {
            if (other != hwnd && IsAutoRadio(other)) {
                SendMessage(other, BM_SETCHECK, BST_UNCHECKED, 0);
            }
        }
        SendMessage(hwnd, BM_SETCHECK, BST_CHECKED, 0);
        break;
    default:
        break;
    }
    NotifyParent(hwnd, BN_CLICKED);
}

LRESULT SetCheck(HWND hwnd, WPARAM check) {
    const DWORD type = TypeOf(hwnd);
    if (!IsCheckType(type) && !IsRadioType(type)) {
        return 0;
    }
    const bool threeState = type == BS_3STATE || type == BS_AUTO3STATE;
    if (check > BST_INDETERMINATE || (check == BST_INDETERMINATE && !threeState)) {
        check = BST_CHECKED;
    }
    ButtonState& state = StateOf<ButtonState>(hwnd);
    if (state.check != check) {
        state.check = check;
        InvalidateRect(hwnd, nullptr, TRUE);
    }
    return 0;
}

void PaintPush(HWND hwnd, HDC hdc, const ButtonState& state, const std::string& text,
               HBRUSH background) {
    RECT face = ClientRectOf(hwnd);
    FillRect(hdc, &face, background);
    if (TypeOf(hwnd) == BS_DEFPUSHBUTTON) {
        FrameRect(hdc, &face, HBRUSH(GetStockObject(BLACK_BRUSH)));
        InflateRect(&face, -1, -1);
    }
    // A push-like check box or radio button stays down while checked.
    const bool down = state.pushed || state.check == BST_CHECKED;
    DrawEdge(hdc, &face, down ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);
    const HICON icon(state.imageType == IMAGE_ICON ? state.image : 0);
    const auto image = GetImageInfo(icon);
    if ((StyleOf(hwnd) & BS_ICON) && image) {
        DrawState(hdc, HBRUSH{}, nullptr, ParamFromHandle(icon), 0,
                  (face.left + face.right - image->size.cx) / 2,
                  (face.top + face.bottom - image->size.cy) / 2, 0, 0,
                  DST_ICON | (IsWindowEnabled(hwnd) ? DSS_NORMAL : DSS_DISABLED));
    } else {
        DrawText(hdc, text.c_str(), -1, &face, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    if (state.focused) {
        InflateRect(&face, -2, -2);
        DrawFocusRect(hdc, &face);
    }
}

void PaintMark(HWND hwnd, HDC hdc, const ButtonState& state, const std::string& text,
               HBRUSH background) {
    const RECT client = ClientRectOf(hwnd);
    FillRect(hdc, &client, background);
    const int top = (client.bottom - kMarkSize) / 2;
    const RECT mark{0, top, kMarkSize, top + kMarkSize};
    SelectObject(hdc, GetStockObject(BLACK_PEN));
    SelectObject(hdc, GetStockObject(WHITE_BRUSH));
    if (IsRadioType(TypeOf(hwnd))) {
        Ellipse(hdc, mark.left, mark.top, mark.right, mark.bottom);
        if (state.check == BST_CHECKED) {
            SelectObject(hdc, GetStockObject(BLACK_BRUSH));
            Ellipse(hdc, mark.left + 4, mark.top + 4, mark.right - 4, mark.bottom - 4);
        }
    } else {
        Rectangle(hdc, mark.left, mark.top, mark.right, mark.bottom);
        if (state.check == BST_CHECKED) {
            const POINT tick[] = {{3, top + 6}, {5, top + 9}, {10, top + 3}};
            Polyline(hdc, tick, 3);
        } else if (state.check == BST_INDETERMINATE) {
            RECT inner = mark;
            InflateRect(&inner, -3, -3);
            FillRect(hdc, &inner, GetSysColorBrush(COLOR_GRAYTEXT));
        }
    }
    RECT label{kMarkSize + 4, 0, client.right, client.bottom};
    DrawText(hdc, text.c_str(), -1, &label, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    if (state.focused) {
        DrawFocusRect(hdc, &label);
    }
}

// An etched frame with the caption over its top line.
void PaintGroupBox(HWND hwnd, HDC hdc, const std::string& text) {
    SIZE caption;
    GetTextExtentPoint32(hdc, text.c_str(), static_cast<int>(text.size()), &caption);
    RECT frame = ClientRectOf(hwnd);
    frame.top = caption.cy / 2;
    DrawEdge(hdc, &frame, EDGE_ETCHED, BF_RECT);
    if (!text.empty()) {
        SetBkMode(hdc, OPAQUE);
        SetBkColor(hdc, GetSysColor(COLOR_BTNFACE));
        TextOut(hdc, 8, 0, text.c_str(), static_cast<int>(text.size()));
    }
}

void Paint(HWND hwnd, HDC hdc) {
    const ButtonState& state = StateOf<ButtonState>(hwnd);
    const std::string text = StoredText(hwnd);
    const DWORD type = TypeOf(hwnd);
    const bool push = type != BS_GROUPBOX &&
                      ((StyleOf(hwnd) & BS_PUSHLIKE) || (!IsCheckType(type) && !IsRadioType(type)));
    SetBkMode(hdc, TRANSPARENT);
    const HBRUSH background =
        ColorsFromParent(hwnd, hdc, push ? WM_CTLCOLORBTN : WM_CTLCOLORSTATIC,
                         GetSysColor(IsWindowEnabled(hwnd) ? COLOR_BTNTEXT : COLOR_GRAYTEXT),
                         GetSysColorBrush(COLOR_BTNFACE));
    if (type == BS_GROUPBOX) {
        PaintGroupBox(hwnd, hdc, text);
    } else if (push) {
        PaintPush(hwnd, hdc, state, text, background);
    } else {
        PaintMark(hwnd, hdc, state, text, background);
    }
}

std::optional<LRESULT> Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                              ButtonState& state) {
    switch (message) {
    case BM_GETCHECK:
        return static_cast<LRESULT>(state.check);
    case BM_SETCHECK:
        return SetCheck(hwnd, wParam);
    case BM_GETSTATE:
        return static_cast<LRESULT>(state.check) | (state.pushed ? BST_PUSHED : 0) |
               (state.focused ? BST_FOCUS : 0);
    case BM_SETSTATE:
        SetPushed(hwnd, wParam != 0);
        return 0;
    case BM_SETIMAGE: {
        const std::uint32_t previous = state.image;
        state.imageType = wParam;
        state.image = static_cast<std::uint32_t>(lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return static_cast<LRESULT>(previous);
    }
    case BM_GETIMAGE:
        return wParam == state.imageType ? static_cast<LRESULT>(state.image) : 0;
    case BM_SETSTYLE: // the type: push, default push, check box, ...
        SetWindowLong(hwnd, GWL_STYLE,
                      static_cast<LONG>((StyleOf(hwnd) & ~BS_TYPEMASK) | (wParam & BS_TYPEMASK)));
        if (lParam) {
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        return 0;
    case BM_CLICK:
        SendMessage(hwnd, WM_LBUTTONDOWN, 0, 0);
        SendMessage(hwnd, WM_LBUTTONUP, 0, 0);
        return 0;
    case WM_LBUTTONDOWN:
        if (IsWindowEnabled(hwnd) && TypeOf(hwnd) != BS_GROUPBOX) {
            SetFocus(hwnd);
            SetCapture(hwnd);
            SetPushed(hwnd, true);
        }
        return 0;
    case WM_LBUTTONUP: {
        if (!state.pushed) {
            return 0;
        }
        const RECT client = ClientRectOf(hwnd);
        const POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        SetPushed(hwnd, false);
        if (GetCapture() == hwnd) {
            ReleaseCapture();
        }
        if (PtInRect(&client, pt)) {
            Click(hwnd);
        }
        return 0;
    }
    case WM_KEYDOWN:
        if (wParam == VK_SPACE && IsWindowEnabled(hwnd)) {
            SetPushed(hwnd, true);
        }
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE && state.pushed) {
            SetPushed(hwnd, false);
            Click(hwnd);
        }
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        state.focused = message == WM_SETFOCUS;
        if (!state.focused) {
            state.pushed = false;
        }
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    default:
        return std::nullopt;
    }
}

[[maybe_unused]] const ATOM kRegistered =
    RegisterControlClass("Button", &ControlProc<ButtonState, &Handle, &Paint>);

} // namespace
