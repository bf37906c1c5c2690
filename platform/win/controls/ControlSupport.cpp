#include "platform/win/controls/ControlSupport.h"

#include "platform/win/core/Geometry.h"
#include "platform/win/core/Messages.h"
#include "platform/win/core/Paint.h"
#include "platform/win/core/Window.h"
#include "platform/win/gdi/DeviceContext.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/gdi/Objects.h"
#include "platform/win/gdi/Painting.h"
#include "platform/win/gdi/TextMetrics.h"

#include <algorithm>

namespace hb::win::detail {

namespace {

void PaintWithFont(HWND hwnd, HDC hdc, HFONT font, PaintFunction paint) {
    const int saved = SaveDC(hdc);
    SelectObject(hdc, font ? HGDIOBJ(font) : GetStockObject(DEFAULT_GUI_FONT));
    paint(hwnd, hdc);
    RestoreDC(hdc, saved);
}

} // namespace

std::optional<LRESULT> HandleCommon(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                    HFONT& font, PaintFunction paint) {
    switch (message) {
    case WM_SETFONT:
        font = HandleFromParam<HFONT>(wParam);
        if (LOWORD(static_cast<std::uintptr_t>(lParam))) {
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        return 0;
    case WM_GETFONT:
        return static_cast<LRESULT>(font.id());
    case WM_PAINT: {
        PAINTSTRUCT ps;
        const HDC hdc = BeginPaint(hwnd, &ps);
        PaintWithFont(hwnd, hdc, font, paint);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_PRINTCLIENT:
        PaintWithFont(hwnd, HandleFromParam<HDC>(wParam), font, paint);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProc(hwnd, message, wParam, lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return result;
    }
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    default:
        return std::nullopt;
    }
}

ATOM RegisterControlClass(LPCSTR name, WNDPROC proc, UINT classStyle) {
    return RegisterBuiltinClass({.style = classStyle, .lpfnWndProc = proc, .lpszClassName = name});
}

void NotifyParent(HWND hwnd, UINT code) {
    SendMessage(GetParent(hwnd), WM_COMMAND,
                MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(hwnd)), static_cast<WORD>(code)),
                ParamFromHwnd(hwnd));
}

LRESULT NotifyParent(HWND hwnd, UINT code, NMHDR& header) {
    header.hwndFrom = hwnd;
    header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(hwnd));
    header.code = code;
    return SendMessage(GetParent(hwnd), WM_NOTIFY, header.idFrom,
                       reinterpret_cast<LPARAM>(&header));
}

TEXTMETRIC MetricsOfFont(HFONT font) {
    const HDC hdc = GetDC(HWND{});
    SelectObject(hdc, font ? HGDIOBJ(font) : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRIC metrics;
    GetTextMetrics(hdc, &metrics);
    ReleaseDC(HWND{}, hdc);
    return metrics;
}

HBRUSH ColorsFromParent(HWND hwnd, HDC hdc, UINT message, COLORREF text, HBRUSH fallback) {
    SetTextColor(hdc, text);
    const HBRUSH brush = HandleFromParam<HBRUSH>(static_cast<std::uintptr_t>(
        SendMessage(GetParent(hwnd), message, static_cast<WPARAM>(hdc.id()), ParamFromHwnd(hwnd))));
    return brush ? brush : fallback;
}

std::string StoredText(HWND hwnd) {
    std::string text(static_cast<std::size_t>(DefWindowProc(hwnd, WM_GETTEXTLENGTH, 0, 0)), '\0');
    DefWindowProc(hwnd, WM_GETTEXT, text.size() + 1, reinterpret_cast<LPARAM>(text.data()));
    return text;
}

void StoreText(HWND hwnd, const std::string& text) {
    DefWindowProc(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

DWORD StyleOf(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLong(hwnd, GWL_STYLE));
}

RECT ClientRectOf(HWND hwnd) {
    RECT rect;
    GetClientRect(hwnd, &rect);
    return rect;
}

void PaintArrow(HDC hdc, RECT box, bool pressed, bool up, bool horizontal) {
    DrawEdge(hdc, &box, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);
    const int cx = (box.left + box.right) / 2;
    const int cy = (box.top + box.bottom) / 2;
    const int r = std::max<int>(1, std::min(box.right - box.left, box.bottom - box.top) / 4);
    POINT tip[3];
    if (horizontal) {
        const int d = up ? r : -r;
        tip[0] = {cx + d, cy};
        tip[1] = {cx - d, cy - r};
        tip[2] = {cx - d, cy + r};
    } else {
        const int d = up ? -r : r;
        tip[0] = {cx, cy + d};
        tip[1] = {cx - r, cy - d};
        tip[2] = {cx + r, cy - d};
    }
    Polygon(hdc, tip, 3);
}

} // namespace hb::win::detail
